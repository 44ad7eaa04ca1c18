// The SQL dialect of the program's statements, taught to SQLite: datevalue(), and a like operator that
// ignores letter case (accented letters included) and matches a stored date-time only in the forms a user
// reads and types.

#include "data/database.h"
#include "data/sqlitehandle.h"

#include <QSqlDriver>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

#include <cstring>
#include <string>

namespace {

bool isDigits(const char* text, int from, int count) {
    for (int i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// 'dd-MM-yyyy', 'dd/MM/yyyy' or 'yyyy-MM-dd', a time part allowed after it, to 'yyyy-MM-dd'.
bool toIsoDay(const char* text, int length, char out[11]) {
    if (length < 10)
        return false;
    if (isDigits(text, 0, 4) && text[4] == '-' && isDigits(text, 5, 2) && text[7] == '-' && isDigits(text, 8, 2)) {
        std::memcpy(out, text, 10);
    } else if (isDigits(text, 0, 2) && (text[2] == '-' || text[2] == '/') && isDigits(text, 3, 2) &&
               text[5] == text[2] && isDigits(text, 6, 4)) {
        std::memcpy(out, text + 6, 4);
        out[4] = '-';
        std::memcpy(out + 5, text + 3, 2);
        out[7] = '-';
        std::memcpy(out + 8, text, 2);
    } else {
        return false;
    }
    if (length > 10 && text[10] != ' ' && text[10] != 'T')
        return false;
    out[10] = '\0';
    const int year = (out[0] - '0') * 1000 + (out[1] - '0') * 100 + (out[2] - '0') * 10 + (out[3] - '0');
    const int month = (out[5] - '0') * 10 + (out[6] - '0');
    const int day = (out[8] - '0') * 10 + (out[9] - '0');
    if (month < 1 || month > 12 || day < 1)
        return false;
    // 31-02 or 29-02 of a common year is no day.
    static const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= monthDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

void datevalueFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    char day[11];
    if (text && toIsoDay(text, sqlite3_value_bytes(argv[0]), day))
        sqlite3_result_text(context, day, 10, SQLITE_TRANSIENT);
    else
        sqlite3_result_null(context);
}

bool isAscii(const unsigned char* text, int length) {
    for (int i = 0; i < length; ++i)
        if (text[i] >= 0x80)
            return false;
    return true;
}

// Matches a folded pattern against a text whose characters fold() brings to the pattern's case:
// '%' any run, '_' one character, the escape character before a literal one.
template <typename Ch, typename Fold>
bool likeMatch(const Ch* p, size_t pn, const Ch* s, size_t sn, bool hasEscape, Ch escape, Fold fold) {
    size_t pi = 0, si = 0;
    size_t starP = std::string::npos, starS = 0;
    while (si < sn) {
        if (pi < pn) {
            const Ch c = p[pi];
            if (hasEscape && c == escape && pi + 1 < pn) {
                if (p[pi + 1] == fold(s[si])) {
                    pi += 2;
                    ++si;
                    continue;
                }
            } else if (c == Ch('%')) {
                starP = pi++;
                starS = si;
                continue;
            } else if (c == Ch('_') || c == fold(s[si])) {
                ++pi;
                ++si;
                continue;
            }
        }
        if (starP != std::string::npos) {
            pi = starP + 1;
            si = ++starS;
            continue;
        }
        return false;
    }
    while (pi < pn && p[pi] == Ch('%'))
        ++pi;
    return pi == pn;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
char32_t sameChar(char32_t c) {
    return c;
}

std::string asciiFolded(const unsigned char* text, int length) {
    std::string result(reinterpret_cast<const char*>(text), size_t(length));
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return result;
}

// Decodes UTF-8 and folds the letter case of every character into out (reused, so no allocation per row).
void unicodeFoldedInto(const unsigned char* text, int length, std::u32string& out) {
    out.clear();
    for (int i = 0; i < length;) {
        const unsigned char c = text[i];
        char32_t code = 0xFFFD;
        int size = 1;
        if (c < 0x80) {
            code = c;
        } else if ((c & 0xE0) == 0xC0 && i + 1 < length) {
            code = char32_t(c & 0x1F) << 6 | (text[i + 1] & 0x3F);
            size = 2;
        } else if ((c & 0xF0) == 0xE0 && i + 2 < length) {
            code = char32_t(c & 0x0F) << 12 | char32_t(text[i + 1] & 0x3F) << 6 | (text[i + 2] & 0x3F);
            size = 3;
        } else if ((c & 0xF8) == 0xF0 && i + 3 < length) {
            code = char32_t(c & 0x07) << 18 | char32_t(text[i + 1] & 0x3F) << 12 | char32_t(text[i + 2] & 0x3F) << 6 |
                   (text[i + 3] & 0x3F);
            size = 4;
        }
        out.push_back(char32_t(QChar::toCaseFolded(code)));
        i += size;
    }
}

std::u32string unicodeFolded(const unsigned char* text, int length) {
    std::u32string result;
    unicodeFoldedInto(text, length, result);
    return result;
}

// The forms in which a user reads and types a stored date-time 'yyyy-MM-ddTHH:mm:ss': 'dd-MM-yyyy HH:mm' and
// 'dd/MM/yyyy HH:mm:ss' (a stored day alone gives 'dd-MM-yyyy' and 'dd/MM/yyyy'). Returns the length of the
// dashed form written into its buffer, the slashed one being 10 or 19 long, or 0 when the value is no stored
// date-time.
int typedDateForms(const unsigned char* value, int length, char dashed[20], char slashed[20]) {
    const auto* text = reinterpret_cast<const char*>(value);
    if ((length != 10 && length != 16 && length != 19) || !isDigits(text, 0, 4) || text[4] != '-' ||
        !isDigits(text, 5, 2) || text[7] != '-' || !isDigits(text, 8, 2))
        return 0;
    if (length > 10 && ((text[10] != 'T' && text[10] != ' ') || !isDigits(text, 11, 2) || text[13] != ':' ||
                        !isDigits(text, 14, 2) || (length == 19 && (text[16] != ':' || !isDigits(text, 17, 2)))))
        return 0;
    auto writeDay = [text](char* out, char separator) {
        std::memcpy(out, text + 8, 2);
        out[2] = separator;
        std::memcpy(out + 3, text + 5, 2);
        out[5] = separator;
        std::memcpy(out + 6, text, 4);
    };
    writeDay(dashed, '-');
    writeDay(slashed, '/');
    if (length == 10)
        return 10;
    dashed[10] = slashed[10] = ' ';
    std::memcpy(dashed + 11, text + 11, 5);
    std::memcpy(slashed + 11, text + 11, 5);
    slashed[16] = ':';
    if (length == 19)
        std::memcpy(slashed + 17, text + 17, 2);
    else
        slashed[17] = slashed[18] = '0';
    return 16;
}

// Whether the folded pattern can match a typed date form at all: its characters other than the wildcards
// are digits and the separators of the forms. Most searches are words, and skip the dates at once.
bool canMatchDates(const std::string& pattern) {
    for (char c : pattern)
        if (!((c >= '0' && c <= '9') || c == '-' || c == '/' || c == ':' || c == ' ' || c == '%' || c == '_'))
            return false;
    return true;
}

struct FoldedPattern {
    bool ascii = true;
    bool dates = false;
    std::string asciiText;
    std::u32string unicodeText;
};

void deletePattern(void* pattern) {
    delete static_cast<FoldedPattern*>(pattern);
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const auto* patternText = sqlite3_value_text(argv[0]);
    const auto* valueText = sqlite3_value_text(argv[1]);
    if (!patternText || !valueText) {
        sqlite3_result_null(context);
        return;
    }
    const int patternLength = sqlite3_value_bytes(argv[0]);
    const int valueLength = sqlite3_value_bytes(argv[1]);

    bool hasEscape = false;
    char32_t escape = 0;
    if (argc == 3) {
        const auto* escapeText = sqlite3_value_text(argv[2]);
        const QString escapeString =
            escapeText ? QString::fromUtf8(reinterpret_cast<const char*>(escapeText)) : QString();
        if (escapeString.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        hasEscape = true;
        escape = escapeString.at(0).toCaseFolded().unicode();
    }

    // The pattern is usually a constant of the statement: fold it once and keep it with the statement.
    auto* pattern = static_cast<FoldedPattern*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        pattern = new FoldedPattern;
        pattern->ascii = isAscii(patternText, patternLength) && escape < 0x80;
        if (pattern->ascii) {
            pattern->asciiText = asciiFolded(patternText, patternLength);
            pattern->dates = hasEscape || canMatchDates(pattern->asciiText);
        }
        pattern->unicodeText = unicodeFolded(patternText, patternLength);
        sqlite3_set_auxdata(context, 0, pattern, deletePattern);
        pattern = static_cast<FoldedPattern*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }

    auto matches = [&](const unsigned char* text, int length) {
        if (pattern->ascii && isAscii(text, length))
            return likeMatch(pattern->asciiText.data(), pattern->asciiText.size(), reinterpret_cast<const char*>(text),
                             size_t(length), hasEscape, char(escape), asciiLower);
        static thread_local std::u32string folded;
        unicodeFoldedInto(text, length, folded);
        const std::u32string& p = pattern->unicodeText;
        return likeMatch(p.data(), p.size(), folded.data(), folded.size(), hasEscape, escape, sameChar);
    };

    // A stored date-time is matched in the forms the user reads, never in its stored text: "12-08" is the
    // 12th of August, not the 8th of December.
    bool result = false;
    char dashed[20], slashed[20];
    const int dashedLength = typedDateForms(valueText, valueLength, dashed, slashed);
    if (dashedLength == 0)
        result = matches(valueText, valueLength);
    else if (pattern->dates)
        result = matches(reinterpret_cast<const unsigned char*>(dashed), dashedLength) ||
                 matches(reinterpret_cast<const unsigned char*>(slashed), dashedLength == 10 ? 10 : 19);
    sqlite3_result_int(context, result ? 1 : 0);
}

} // namespace

namespace database {

bool installDialect(QSqlDatabase& db) {
    sqlite3* connection = sqliteHandle(db);
    if (!connection)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    bool ok = sqlite3_create_function_v2(connection, "datevalue", 1, flags, nullptr, datevalueFunction, nullptr,
                                         nullptr, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_create_function_v2(connection, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr,
                                          nullptr) == SQLITE_OK;
    ok = ok && sqlite3_create_function_v2(connection, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr,
                                          nullptr) == SQLITE_OK;
    return ok;
}

} // namespace database
