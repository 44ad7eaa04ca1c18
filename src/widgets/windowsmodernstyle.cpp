#include "widgets/windowsmodernstyle.h"

#include "widgets/themeservice.h"

#include <QApplication>
#include <QLayout>
#include <QLinearGradient>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolBox>

namespace {

// The fixed colour sets of the themed desktops, slot by slot.
constexpr std::array<QRgb, WindowsModernStyle::colorCount> blueColors = {
    0x9ebef5, 0xc4dafa, 0x002d96, 0xf6f6f6, 0xe3efff, 0x7ba4e0, 0xe3efff, 0xcbe1fc, 0x7ba4e0,
    0x274176, 0xffffff, 0x6a8ccb, 0xf1f9ff, 0x000080, 0xffeebe, 0xffe1ac, 0xffc87d, 0xffc87d,
    0xffb464, 0xff9646, 0xfe803e, 0xffb16d, 0xffdf9a, 0x445686, 0x6a8ccb};
constexpr std::array<QRgb, WindowsModernStyle::colorCount> silverColors = {
    0xd7d7e5, 0xf3f3f7, 0x7c7c94, 0xfdfaff, 0xe8e9f2, 0xacaac2, 0xfcfcfc, 0xe8e9f2, 0xacaac2,
    0x545475, 0xffffff, 0x6e6d8f, 0xffffff, 0x4b4b6f, 0xffeebe, 0xffe1ac, 0xffc87d, 0xffc87d,
    0xffb464, 0xff9646, 0xfe803e, 0xffb16d, 0xffdf9a, 0x6e6d8f, 0x9190ad};
constexpr std::array<QRgb, WindowsModernStyle::colorCount> oliveColors = {
    0xd9d9a7, 0xf2f1e4, 0x758d5e, 0xf4f4ee, 0xedf0d6, 0xb5c48f, 0xffffed, 0xcedca7, 0xb5c48f,
    0x515e33, 0xffffff, 0x608058, 0xf4f7de, 0x3f5d38, 0xffeebe, 0xffe1ac, 0xffc87d, 0xffc87d,
    0xffb464, 0xff9646, 0xfe803e, 0xffb16d, 0xffdf9a, 0x608058, 0x97a67b};

// f parts of a and (1 - f) parts of b, channel by channel.
QColor blend(const QColor& a, const QColor& b, double f) {
    return QColor(qRound(f * a.red() + (1 - f) * b.red()), qRound(f * a.green() + (1 - f) * b.green()),
                  qRound(f * a.blue() + (1 - f) * b.blue()));
}

bool insideToolBar(const QWidget* widget) {
    return widget && qobject_cast<const QToolBar*>(widget->parentWidget());
}

bool ofMainWindow(const QWidget* widget) {
    return widget && qobject_cast<const QMainWindow*>(widget->parentWidget());
}

bool insideMainWindow(const QWidget* widget) {
    for (const QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
        if (qobject_cast<const QMainWindow*>(w))
            return true;
    return false;
}

QLinearGradient vertical(const QRect& rect) {
    return QLinearGradient(rect.topLeft(), rect.bottomLeft());
}

QLinearGradient horizontal(const QRect& rect) {
    return QLinearGradient(rect.topLeft(), rect.topRight());
}

// A filled rectangle with a one-pixel border inside rect.
void framedFill(QPainter* painter, const QRect& rect, const QBrush& fill, const QColor& border) {
    painter->save();
    painter->setPen(border);
    painter->setBrush(fill);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

QBrush threeStops(const QRect& rect, const QColor& start, const QColor& middle, const QColor& end) {
    QLinearGradient gradient = vertical(rect);
    gradient.setColorAt(0, start);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1, end);
    return gradient;
}

} // namespace

WindowsModernStyle::WindowsModernStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("windows"))) {}

QColor WindowsModernStyle::color(int index) const {
    return index >= 0 && index < colorCount ? m_colors[index] : QColor();
}

WindowsModernStyle::Theme WindowsModernStyle::themeFor(const QString& fileName, const QString& colorName) {
    if (fileName.endsWith(QLatin1String("Luna.msstyles"))) {
        if (colorName == QLatin1String("HomeStead"))
            return Olive;
        if (colorName == QLatin1String("Metallic"))
            return Silver;
        return Blue;
    }
    if (fileName.endsWith(QLatin1String("Aero.msstyles")))
        return Blue;
    return Classic;
}

void WindowsModernStyle::polish(QPalette& palette) {
    QProxyStyle::polish(palette);
    m_theme = Classic;
    if (themeservice::isAppThemed()) {
        const themeservice::ThemeName name = themeservice::currentTheme();
        m_theme = themeFor(name.fileName, name.colorName);
    }
    fillColors(palette);
}

void WindowsModernStyle::fillColors(const QPalette& palette) const {
    const std::array<QRgb, colorCount>* fixed = nullptr;
    switch (m_theme) {
    case Blue:
        fixed = &blueColors;
        break;
    case Silver:
        fixed = &silverColors;
        break;
    case Olive:
        fixed = &oliveColors;
        break;
    case Classic:
        break;
    }
    if (fixed) {
        for (int i = 0; i < colorCount; ++i)
            m_colors[i] = QColor::fromRgb((*fixed)[i]);
        return;
    }
    const QPalette::ColorGroup g = QPalette::Active;
    const QColor button = palette.color(g, QPalette::Button);
    const QColor base = palette.color(g, QPalette::Base);
    const QColor text = palette.color(g, QPalette::Text);
    const QColor dark = palette.color(g, QPalette::Dark);
    const QColor light = palette.color(g, QPalette::Light);
    const QColor highlight = palette.color(g, QPalette::Highlight);
    m_colors[0] = button;
    m_colors[1] = blend(button, base, 0.205);
    m_colors[2] = blend(text, dark, 0.2);
    m_colors[3] = blend(button, base, 0.143);
    m_colors[4] = blend(button, base, 0.2);
    m_colors[5] = blend(button, base, 0.5);
    m_colors[6] = blend(button, base, 0.2);
    m_colors[7] = blend(button, base, 0.5);
    m_colors[8] = button;
    m_colors[9] = blend(dark, base, 0.75);
    m_colors[10] = light;
    m_colors[11] = blend(dark, base, 0.7);
    m_colors[12] = light;
    m_colors[13] = highlight;
    m_colors[14] = m_colors[15] = m_colors[16] = blend(highlight, base, 0.3);
    m_colors[17] = m_colors[18] = m_colors[19] = blend(highlight, base, 0.15);
    m_colors[20] = m_colors[21] = m_colors[22] = blend(highlight, base, 0.45);
    m_colors[23] = dark;
    m_colors[24] = blend(dark, base, 0.8);
}

const QColor& WindowsModernStyle::slot(int index, const QStyleOption* option) const {
    if (!m_colors[0].isValid())
        fillColors(option ? option->palette : QApplication::palette());
    return m_colors[index];
}

void WindowsModernStyle::polish(QWidget* widget) {
    if (qobject_cast<QMainWindow*>(widget)) {
        widget->setAttribute(Qt::WA_StyledBackground);
    } else if (auto* toolBox = qobject_cast<QToolBox*>(widget)) {
        widget->setAttribute(Qt::WA_StyledBackground);
        if (toolBox->layout())
            toolBox->layout()->setContentsMargins(2, 2, 2, 2);
    } else if (qobject_cast<QToolBox*>(widget->parentWidget())) {
        if (widget->inherits("QToolBoxButton")) {
            widget->setAttribute(Qt::WA_Hover);
            QSizePolicy policy = widget->sizePolicy();
            policy.setControlType(QSizePolicy::PushButton);
            widget->setSizePolicy(policy);
        } else if (auto* area = qobject_cast<QScrollArea*>(widget)) {
            // The page and its viewport let the gradient behind them show.
            widget->setAttribute(Qt::WA_StyledBackground);
            area->viewport()->setAutoFillBackground(false);
            if (area->widget())
                area->widget()->setAutoFillBackground(false);
        }
    } else if (qobject_cast<QTabBar*>(widget) && ofMainWindow(widget)) {
        widget->setAttribute(Qt::WA_Hover);
    }
    QProxyStyle::polish(widget);
}

void WindowsModernStyle::unpolish(QWidget* widget) {
    auto* area = qobject_cast<QScrollArea*>(widget);
    if (area && qobject_cast<QToolBox*>(widget->parentWidget())) {
        widget->setAttribute(Qt::WA_StyledBackground, false);
        area->viewport()->setAutoFillBackground(true);
        if (area->widget())
            area->widget()->setAutoFillBackground(true);
    } else if (qobject_cast<QMainWindow*>(widget) || qobject_cast<QToolBox*>(widget))
        widget->setAttribute(Qt::WA_StyledBackground, false);
    else if ((qobject_cast<QTabBar*>(widget) && ofMainWindow(widget)) || widget->inherits("QToolBoxButton"))
        widget->setAttribute(Qt::WA_Hover, false);
    QProxyStyle::unpolish(widget);
}

void WindowsModernStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    switch (element) {
    case PE_Widget:
        if (auto* window = qobject_cast<const QMainWindow*>(widget)) {
            QRect area = option->rect;
            const QStatusBar* status = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
            if (status && status->isVisible())
                area.setBottom(status->geometry().top() - 1);
            QLinearGradient gradient = vertical(area);
            gradient.setColorAt(0, slot(0, option));
            gradient.setColorAt(0.6, slot(1, option));
            gradient.setColorAt(1, slot(1, option));
            painter->fillRect(area, gradient);
            if (status && status->isVisible()) {
                painter->setPen(option->palette.color(QPalette::Light));
                const int top = status->geometry().top();
                painter->drawLine(option->rect.left(), top, option->rect.right(), top);
            }
            return;
        }
        if (qobject_cast<const QToolBox*>(widget)) {
            QLinearGradient gradient = vertical(option->rect);
            gradient.setColorAt(0.4, slot(0, option));
            gradient.setColorAt(1, slot(1, option));
            painter->fillRect(option->rect, gradient);
            return;
        }
        if (qobject_cast<const QScrollArea*>(widget) && qobject_cast<const QToolBox*>(widget->parentWidget())) {
            QLinearGradient gradient = vertical(option->rect);
            gradient.setColorAt(0.4, slot(7, option));
            gradient.setColorAt(1, slot(6, option));
            painter->fillRect(option->rect, gradient);
            return;
        }
        break;
    case PE_IndicatorDockWidgetResizeHandle:
        return;
    case PE_FrameMenu:
        drawMenuFrame(option, painter, widget);
        return;
    case PE_PanelMenu:
        painter->fillRect(option->rect, slot(3, option));
        return;
    case PE_PanelMenuBar:
        return;
    case PE_PanelToolBar:
        drawToolBarPanel(option, painter);
        return;
    case PE_IndicatorToolBarHandle: {
        painter->save();
        const QRect r = option->rect;
        const bool horizontalBar = option->state & State_Horizontal;
        // A row of small square dots, each with a light square beside it.
        if (horizontalBar) {
            const int x = r.center().x() - 1;
            for (int y = r.top() + 4; y + 2 <= r.bottom() - 2; y += 4) {
                painter->fillRect(x + 1, y + 1, 2, 2, slot(10, option));
                painter->fillRect(x, y, 2, 2, slot(9, option));
            }
        } else {
            const int y = r.center().y() - 1;
            for (int x = r.left() + 4; x + 2 <= r.right() - 2; x += 4) {
                painter->fillRect(x + 1, y + 1, 2, 2, slot(10, option));
                painter->fillRect(x, y, 2, 2, slot(9, option));
            }
        }
        painter->restore();
        return;
    }
    case PE_IndicatorToolBarSeparator: {
        painter->save();
        const QRect r = option->rect;
        if (option->state & State_Horizontal) {
            const int x = r.center().x();
            painter->setPen(slot(11, option));
            painter->drawLine(x, r.top() + 3, x, r.bottom() - 3);
            painter->setPen(slot(12, option));
            painter->drawLine(x + 1, r.top() + 4, x + 1, r.bottom() - 2);
        } else {
            const int y = r.center().y();
            painter->setPen(slot(11, option));
            painter->drawLine(r.left() + 3, y, r.right() - 3, y);
            painter->setPen(slot(12, option));
            painter->drawLine(r.left() + 4, y + 1, r.right() - 2, y + 1);
        }
        painter->restore();
        return;
    }
    case PE_PanelButtonTool:
        if (insideToolBar(widget)) {
            const State state = option->state;
            if (!(state & State_Enabled))
                return;
            int first = -1;
            if (state & State_Sunken)
                first = 20;
            else if (state & State_On)
                first = 17;
            else if (state & State_MouseOver)
                first = 14;
            if (first < 0)
                return;
            framedFill(painter, option->rect,
                       threeStops(option->rect, slot(first, option), slot(first + 1, option), slot(first + 2, option)),
                       slot(13, option));
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void WindowsModernStyle::drawToolBarPanel(const QStyleOption* option, QPainter* painter) const {
    const QRect r = option->rect;
    const bool horizontalBar = option->state & State_Horizontal;
    QLinearGradient gradient = horizontalBar ? vertical(r) : horizontal(r);
    gradient.setColorAt(0, slot(6, option));
    gradient.setColorAt(0.4, slot(7, option));
    gradient.setColorAt(0.6, slot(7, option));
    gradient.setColorAt(1, slot(8, option));
    painter->fillRect(r, gradient);
    painter->save();
    // Shadow along the bottom and right edges.
    painter->setPen(slot(24, option));
    painter->drawLine(r.left() + 1, r.bottom(), r.right() - 1, r.bottom());
    painter->setPen(slot(23, option));
    painter->drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 1);
    painter->restore();
}

void WindowsModernStyle::drawMenuFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
    painter->save();
    painter->setPen(slot(2, option));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    // Under the menu-bar item it drops from, the top edge takes the menu's colour: menu and item look joined.
    auto* menu = qobject_cast<const QMenu*>(widget);
    auto* bar = menu ? qobject_cast<const QMenuBar*>(menu->parentWidget()) : nullptr;
    if (bar && bar->activeAction() && bar->activeAction()->menu() == menu) {
        const QRect item = bar->actionGeometry(bar->activeAction());
        const QPoint itemBottomLeft = bar->mapToGlobal(item.bottomLeft());
        const QPoint menuTopLeft = menu->mapToGlobal(QPoint(0, 0));
        if (qAbs(menuTopLeft.y() - itemBottomLeft.y()) <= 2) {
            const int left = qMax(option->rect.left() + 1, itemBottomLeft.x() - menuTopLeft.x() + 1);
            const int right = qMin(option->rect.right() - 1, left + item.width() - 3);
            painter->setPen(slot(3, option));
            painter->drawLine(left, option->rect.top(), right, option->rect.top());
        }
    }
    painter->restore();
}

void WindowsModernStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    switch (element) {
    case CE_MenuItem:
        if (auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            drawMenuItem(item, painter, widget);
            return;
        }
        break;
    case CE_MenuEmptyArea:
        painter->fillRect(option->rect, slot(3, option));
        return;
    case CE_MenuBarItem:
        if (auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            drawMenuBarItem(item, painter, widget);
            return;
        }
        break;
    case CE_MenuBarEmptyArea:
        return;
    case CE_ToolBar:
        drawToolBarPanel(option, painter);
        return;
    case CE_TabBarTabShape:
        if (auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
            if (tab->shape == QTabBar::RoundedNorth || tab->shape == QTabBar::RoundedSouth) {
                drawTabShape(tab, painter);
                return;
            }
        }
        break;
    case CE_TabBarTabLabel:
        // A tab bar is one line high: a text that ends in a line feed ("Treatments" in English) would be centred
        // as two lines and lose its top half.
        if (auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
            tab && tab->text.contains(QLatin1Char('\n'))) {
            QStyleOptionTab oneLine(*tab);
            oneLine.text = tab->text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
            QProxyStyle::drawControl(element, &oneLine, painter, widget);
            return;
        }
        break;
    case CE_ToolBoxTabShape: {
        int first = 7, last = 8, border = 24;
        if (option->state & State_Selected) {
            first = 20;
            last = 22;
            border = 23;
        } else if (option->state & State_MouseOver) {
            first = 14;
            last = 16;
            border = 23;
        }
        QLinearGradient gradient = vertical(option->rect);
        gradient.setColorAt(0, slot(first, option));
        gradient.setColorAt(1, slot(last, option));
        framedFill(painter, option->rect, gradient, slot(border, option));
        return;
    }
    case CE_DockWidgetTitle:
        if (auto* dock = qstyleoption_cast<const QStyleOptionDockWidget*>(option)) {
            QLinearGradient gradient = vertical(option->rect);
            gradient.setColorAt(0, slot(6, option));
            gradient.setColorAt(1, slot(8, option));
            painter->fillRect(option->rect, gradient);
            const QRect titleRect = subElementRect(SE_DockWidgetTitleBarText, option, widget);
            const QString title = painter->fontMetrics().elidedText(dock->title, Qt::ElideRight, titleRect.width());
            painter->save();
            painter->setPen(option->palette.color(QPalette::WindowText));
            painter->drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
            painter->restore();
            return;
        }
        break;
    case CE_Splitter:
        if (insideMainWindow(widget))
            return;
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void WindowsModernStyle::drawMenuItem(const QStyleOptionMenuItem* item, QPainter* painter,
                                      const QWidget* widget) const {
    painter->save();
    const QRect r = item->rect;
    const int strip = qMax(24, item->maxIconWidth + 8);
    painter->fillRect(r, slot(3, item));
    QLinearGradient stripGradient(QPointF(r.left(), 0), QPointF(r.left() + strip, 0));
    stripGradient.setColorAt(0, slot(6, item));
    stripGradient.setColorAt(1, slot(8, item));
    painter->fillRect(QRect(r.left(), r.top(), strip, r.height()), stripGradient);

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->setPen(slot(11, item));
        const int y = r.center().y();
        painter->drawLine(r.left() + strip + 8, y, r.right(), y);
        painter->restore();
        return;
    }

    const bool enabled = item->state & State_Enabled;
    const bool highlighted = enabled && (item->state & State_Selected);
    if (highlighted)
        framedFill(painter, r, slot(14, item), slot(13, item));

    const QRect iconBox(r.left() + 1, r.top() + 1, strip - 2, r.height() - 2);
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    if (!item->icon.isNull()) {
        if (checked)
            framedFill(painter, iconBox, slot(highlighted ? 20 : 17, item), slot(13, item));
        const int extent = pixelMetric(PM_SmallIconSize, item, widget);
        const QPixmap pixmap =
            item->icon.pixmap(QSize(extent, extent), painter->device() ? painter->device()->devicePixelRatioF() : 1.0,
                              enabled ? QIcon::Normal : QIcon::Disabled, checked ? QIcon::On : QIcon::Off);
        const QRect target = QStyle::alignedRect(item->direction, Qt::AlignCenter, QSize(extent, extent), iconBox);
        painter->drawPixmap(target, pixmap);
    } else if (checked) {
        QStyleOptionMenuItem mark = *item;
        mark.rect = QStyle::alignedRect(item->direction, Qt::AlignCenter, QSize(13, 13), iconBox);
        mark.state = (item->state & ~State_Selected) | State_On;
        // Dark on the light strip, whatever role the base style draws the mark with.
        for (QPalette::ColorRole role :
             {QPalette::Text, QPalette::ButtonText, QPalette::WindowText, QPalette::HighlightedText})
            mark.palette.setColor(role, item->palette.color(QPalette::Active, QPalette::Text));
        proxy()->drawPrimitive(PE_IndicatorMenuCheckMark, &mark, painter, widget);
    }

    const QColor textColor = enabled ? item->palette.color(QPalette::Active, QPalette::Text)
                                     : item->palette.color(QPalette::Disabled, QPalette::Text);
    painter->setPen(textColor);
    painter->setFont(item->font);
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
    flags |= proxy()->styleHint(SH_UnderlineShortcut, item, widget) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    const int arrowSpace = 20;
    const QRect textRect(r.left() + strip + 8, r.top(), r.width() - strip - 8 - arrowSpace, r.height());
    QString text = item->text;
    const int tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        painter->drawText(textRect, flags | Qt::AlignRight, text.mid(tab + 1));
        text = text.left(tab);
    }
    painter->drawText(textRect, flags | Qt::AlignLeft, text);

    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow = *item;
        arrow.rect = QRect(r.right() - arrowSpace + 4, r.top(), arrowSpace - 8, r.height());
        arrow.palette.setColor(QPalette::ButtonText, textColor);
        arrow.state = enabled ? State_Enabled : State_None;
        proxy()->drawPrimitive(item->direction == Qt::RightToLeft ? PE_IndicatorArrowLeft : PE_IndicatorArrowRight,
                               &arrow, painter, widget);
    }
    painter->restore();
}

void WindowsModernStyle::drawMenuBarItem(const QStyleOptionMenuItem* item, QPainter* painter,
                                         const QWidget* widget) const {
    const QRect r = item->rect;
    const bool enabled = item->state & State_Enabled;
    if (enabled && (item->state & State_Sunken)) {
        QLinearGradient gradient = vertical(r);
        gradient.setColorAt(0, slot(4, item));
        gradient.setColorAt(1, slot(5, item));
        painter->fillRect(r, gradient);
        // No bottom edge: the open menu continues the item.
        painter->save();
        painter->setPen(slot(2, item));
        painter->drawLine(r.left(), r.bottom(), r.left(), r.top());
        painter->drawLine(r.left(), r.top(), r.right(), r.top());
        painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter->restore();
    } else if (enabled && (item->state & State_Selected)) {
        QLinearGradient gradient = vertical(r);
        gradient.setColorAt(0, slot(14, item));
        gradient.setColorAt(1, slot(16, item));
        framedFill(painter, r, gradient, slot(13, item));
    }
    int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;
    flags |= proxy()->styleHint(SH_UnderlineShortcut, item, widget) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    proxy()->drawItemText(painter, r, flags, item->palette, enabled, item->text, QPalette::ButtonText);
}

void WindowsModernStyle::drawTabShape(const QStyleOptionTab* tab, QPainter* painter) const {
    const bool north = tab->shape == QTabBar::RoundedNorth;
    const bool selected = tab->state & State_Selected;
    const bool hovered = (tab->state & State_MouseOver) && (tab->state & State_Enabled);
    QRect r = tab->rect.adjusted(0, 0, -1, 0);
    if (!selected)
        r = north ? r.adjusted(0, 2, 0, 0) : r.adjusted(0, 0, 0, -2);

    QColor start = slot(7, tab), end = slot(8, tab), border = slot(24, tab);
    if (selected) {
        start = slot(14, tab);
        end = tab->palette.color(QPalette::Window);
        border = slot(23, tab);
    } else if (hovered) {
        start = slot(14, tab);
        end = slot(16, tab);
    }
    QLinearGradient gradient =
        north ? QLinearGradient(r.topLeft(), r.bottomLeft()) : QLinearGradient(r.bottomLeft(), r.topLeft());
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);

    // Rounded at the outer corners, open towards the page.
    QPainterPath path;
    const qreal radius = 3;
    const QRectF f = QRectF(r).adjusted(0.5, 0.5, 0.5, 0.5);
    if (north) {
        path.moveTo(f.left(), f.bottom());
        path.lineTo(f.left(), f.top() + radius);
        path.quadTo(f.left(), f.top(), f.left() + radius, f.top());
        path.lineTo(f.right() - radius, f.top());
        path.quadTo(f.right(), f.top(), f.right(), f.top() + radius);
        path.lineTo(f.right(), f.bottom());
    } else {
        path.moveTo(f.left(), f.top());
        path.lineTo(f.left(), f.bottom() - radius);
        path.quadTo(f.left(), f.bottom(), f.left() + radius, f.bottom());
        path.lineTo(f.right() - radius, f.bottom());
        path.quadTo(f.right(), f.bottom(), f.right(), f.bottom() - radius);
        path.lineTo(f.right(), f.top());
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillPath(path, gradient);
    painter->setPen(border);
    painter->drawPath(path);
    painter->restore();
}

QSize WindowsModernStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                           const QWidget* widget) const {
    if (type == CT_MenuItem) {
        if (auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            if (item->menuItemType == QStyleOptionMenuItem::Separator)
                return QSize(10, 3);
            QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
            result.setWidth(result.width() + (item->text.contains(QLatin1Char('\t')) ? 60 : 48));
            result.setHeight(22);
            return result;
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int WindowsModernStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_MenuButtonIndicator:
        return 12;
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        if (insideToolBar(widget))
            return 0;
        break;
    case PM_DockWidgetSeparatorExtent:
    case PM_DockWidgetTitleBarButtonMargin:
        return 4;
    case PM_TabBarBaseOverlap:
        if (qobject_cast<const QTabWidget*>(widget) || (qobject_cast<const QTabBar*>(widget) && ofMainWindow(widget)))
            return 0;
        break;
    case PM_MenuHMargin:
    case PM_MenuBarPanelWidth:
    case PM_ToolBarItemSpacing:
    case PM_ToolBarItemMargin:
        return 0;
    case PM_MenuVMargin:
    case PM_MenuPanelWidth:
        return 1;
    case PM_MenuBarVMargin:
    case PM_MenuBarHMargin:
    case PM_ToolBarFrameWidth:
        return 2;
    case PM_TabBarTabShiftVertical:
        if (qobject_cast<const QTabBar*>(widget) && ofMainWindow(widget)) {
            auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
            const bool south = tab ? (tab->shape == QTabBar::RoundedSouth || tab->shape == QTabBar::TriangularSouth)
                                   : (static_cast<const QTabBar*>(widget)->shape() == QTabBar::RoundedSouth);
            return south ? -2 : 2;
        }
        break;
    case PM_ToolBarIconSize:
        return 16;
    case PM_DockWidgetTitleMargin:
        return 3;
    case PM_LayoutVerticalSpacing:
        if (qobject_cast<const QToolBox*>(widget))
            return -1;
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}
