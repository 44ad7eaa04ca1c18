#pragma once

#include <QColor>
#include <QProxyStyle>

#include <array>

class QStyleOptionMenuItem;
class QStyleOptionTab;

// An office-suite look over the toolkit's "windows" style: gradient tool bars and menu bars, menus with a
// tinted icon strip, orange highlights on hovered, checked and pressed items, in the colours of the desktop
// theme (blue, silver, olive) or, without a theme, in colours blended from the application palette.
class WindowsModernStyle : public QProxyStyle {
    Q_OBJECT

public:
    enum Theme { Blue = 0, Silver = 1, Olive = 2, Classic = 3 };
    static constexpr int colorCount = 25;

    WindowsModernStyle();

    // The theme found when the palette was last polished, and the colour of one of the 25 slots.
    Theme theme() const { return m_theme; }
    QColor color(int slot) const;

    // The theme a desktop theme file and colour scheme stand for.
    static Theme themeFor(const QString& fileName, const QString& colorName);

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    void fillColors(const QPalette& palette) const;
    const QColor& slot(int index, const QStyleOption* option) const;

    void drawMenuItem(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const;
    void drawMenuBarItem(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const;
    void drawTabShape(const QStyleOptionTab* tab, QPainter* painter) const;
    void drawToolBarPanel(const QStyleOption* option, QPainter* painter) const;
    void drawMenuFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    Theme m_theme = Classic;
    // Filled when the palette is polished; a style asked to draw before that derives them from the palette it
    // is drawing with.
    mutable std::array<QColor, colorCount> m_colors;
};
