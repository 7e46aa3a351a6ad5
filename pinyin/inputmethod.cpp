#include "pinyin/inputmethod.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView pagingKeys = u",.<>";
constexpr QStringView choiceKeys = u" 1234567890";
// Above the digits 0 to 9 on a US keyboard.
constexpr QStringView usShiftedDigits = u")!@#$%^&*(";
constexpr QStringView usShiftedSymbols = u"~!@#$%^&*()_+{}|:\"<>?";
constexpr char16_t fullWidthOffset = 0xFEE0;

bool isSyllableLetter(QChar ch)
{
    return (ch >= u'a' && ch <= u'z') || ch == u':';
}

Qt::KeyboardModifiers plainModifiers(const KeyStroke &key)
{
    // The keypad and the layout group do not change what a key means here.
    return key.modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
}

bool typesText(const KeyStroke &key)
{
    if (key.text.isEmpty())
        return false;
    for (QChar ch : key.text) {
        if (!ch.isPrint())
            return false;
    }
    const Qt::KeyboardModifiers mods = plainModifiers(key);
    const bool altGr = mods.testFlags(Qt::ControlModifier | Qt::AltModifier); // as Windows reports it
    return altGr || !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// The full-width form of a digit or ASCII punctuation mark typed into the empty box; null for
// every other key.
QChar fullWidth(const KeyStroke &key)
{
    if (!typesText(key) || key.text.size() != 1)
        return {};
    const char16_t c = key.text.at(0).unicode();
    const bool asciiLetter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (c < 0x21 || c > 0x7E || asciiLetter)
        return {};
    return QChar(char16_t(c + fullWidthOffset));
}

void stripTrailingSpaces(QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
}

QString candidate(int index)
{
    return index >= 0 && index < CandidateList.size() ? CandidateList.at(index) : QString();
}

} // namespace

KeyStroke KeyStroke::typed(QChar c)
{
    KeyStroke stroke;
    stroke.text = QString(c);
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z') {
        stroke.key = Qt::Key_A + (u - u'a');
    } else if (u >= u'A' && u <= u'Z') {
        stroke.key = Qt::Key_A + (u - u'A');
        stroke.modifiers = Qt::ShiftModifier;
    } else if (u >= 0x20 && u < 0x7F) {
        stroke.key = u; // Qt's keys for ASCII marks are their codes
        if (usShiftedSymbols.contains(c))
            stroke.modifiers = Qt::ShiftModifier;
    } else {
        stroke.key = Qt::Key_unknown;
    }
    return stroke;
}

int KeyStroke::rowDigitOf(QStringView platformName, quint32 nativeScanCode)
{
    quint32 one = 0;
    if (platformName == u"xcb" || platformName.startsWith(u"wayland"))
        one = 10; // X key codes: evdev codes plus 8
    else if (platformName == u"windows")
        one = 2;
    if (nativeScanCode == 0 || one == 0)
        return rowUnknown;
    if (nativeScanCode < one || nativeScanCode > one + 9)
        return notOnDigitRow;
    return int(nativeScanCode - one + 1) % 10;
}

InputStep InputMethod::press(const KeyStroke &key)
{
    InputStep step;
    const Qt::KeyboardModifiers mods = plainModifiers(key);
    if (key.key == Qt::Key_Space && mods == Qt::ControlModifier) {
        // The first time in a run it switches tables (the menu's ticks stay); later it hides.
        if (!traditionalLoaded) {
            loadTraditionalTable();
            writeInput(QString());
            clearLine();
        } else {
            step.hideWindow = true;
        }
        return step;
    }

    const bool emptyBox = m_input.isEmpty();
    if (key.key == Qt::Key_Backspace && m_input.size() == 1) {
        clearLine();
    } else if ((key.key == Qt::Key_Return || key.key == Qt::Key_Enter) && emptyBox) {
        step.append += u'\n';
    } else if (emptyBox) {
        // Digits and punctuation go straight into the document; the box drops the character
        // again when it handles it below.
        if (const QChar wide = fullWidth(key); !wide.isNull())
            step.append += wide;
    }

    if (const int digit = previewDigit(key); digit >= 0) {
        m_keepPreview = true;
        choosePreview(digit);
        // The symbol the key types would only be cleaned out of the box again; what is left
        // is the box handled anew, so the page display that follows keeps the preview.
        m_caret = int(m_input.size());
        handleTextChange(step);
        return step;
    }
    if (!typesText(key)) {
        step.handled = false;
        return step;
    }
    const QString typed = key.text.left(qMax(0, maxInputLength - int(m_input.size())));
    m_input.insert(m_caret, typed);
    m_caret += int(typed.size());
    handleTextChange(step);
    return step;
}

InputStep InputMethod::edited(const QString &text, int caret)
{
    setInput(text, caret);
    InputStep step;
    handleTextChange(step);
    return step;
}

void InputMethod::setInput(const QString &text, int caret)
{
    m_input = text.left(maxInputLength);
    m_caret = qBound(0, caret, int(m_input.size()));
}

void InputMethod::choosePreview(int option)
{
    if (option < 0 || option >= optionCount)
        return;
    m_option = option;
    // Out of the table's range (no page shown yet, say) the preview stays empty.
    m_preview = candidate(m_previewBase + (option == 0 ? 9 : option - 1));
}

void InputMethod::tableChanged()
{
    clearLine();
    m_currentRange = {QString(), -1, 0};
    if (m_input.isEmpty())
        return;
    m_caret = int(m_input.size());
    InputStep ignored;
    handleTextChange(ignored);
}

// The box's text after every change. Each rule that writes the box back cleans it of the key
// just handled; the cleaned text is then handled again, which the loop stands for.
void InputMethod::handleTextChange(InputStep &step)
{
    for (;;) {
        m_input = m_input.toLower();
        m_caret = qMin(m_caret, int(m_input.size()));
        if (m_caret == 0)
            return;
        const QChar ch = m_input.at(m_caret - 1);

        if (pagingKeys.contains(ch) && m_input.size() > 1) {
            page(ch);
            return;
        }
        if (isSyllableLetter(ch)) {
            if (ch == u':' && m_input.size() == 1) {
                writeInput(QString());
                return;
            }
            m_currentRange = findSyllableRange(m_input);
            // A prefix of no syllable leaves the line as it was.
            if (m_currentRange.first >= 0)
                showFirstPage();
            return;
        }
        if (choiceKeys.contains(ch)) {
            choose(ch, step);
            return;
        }
        QString cleaned = m_input;
        cleaned[m_caret - 1] = u' ';
        stripTrailingSpaces(cleaned);
        writeInput(cleaned);
    }
}

void InputMethod::page(QChar ch)
{
    QString cleaned = m_input;
    cleaned[m_caret - 1] = u' ';
    stripTrailingSpaces(cleaned);
    writeInput(cleaned);

    // Nothing to page through after a prefix of no syllable or once the line was emptied.
    const int first = int(m_currentRange.first);
    const int last = int(m_currentRange.last);
    if (!m_lineShowsPage || first < 0)
        return;
    if (ch == u',' || ch == u'<') {
        if (m_pageStart == first)
            return;
        m_pageStart -= pageSize;
        m_pageEnd = m_pageStart + pageSize - 1;
    } else {
        if (last - m_pageEnd <= 0)
            return;
        m_pageStart += pageSize;
        m_pageEnd = last - m_pageEnd < pageSize ? last : m_pageEnd + pageSize;
    }
    showPage(m_pageStart == first ? u"  " : u"< ");
    afterPage();
}

void InputMethod::showFirstPage()
{
    const int first = int(m_currentRange.first);
    const int last = int(m_currentRange.last);
    m_pageStart = first;
    m_pageEnd = last - first < pageSize ? last : m_pageStart + pageSize - 1;
    showPage(u"  ");
    afterPage();
}

// "  1 X 2 Y 3 Z " for a first page of three; a page with more after it ends in " >".
void InputMethod::showPage(QStringView prefix)
{
    QString line;
    line.reserve(prefix.size() + 4 * pageSize + 2);
    line += prefix;
    int k = 1;
    for (int i = m_pageStart; i <= m_pageEnd; ++i, ++k) {
        line += QChar(char16_t(u'0' + k % 10));
        line += u' ';
        line += candidate(i);
        line += u' ';
    }
    if (int(m_currentRange.last) != m_pageEnd)
        line += u" >"_s;
    m_line = std::move(line);
    m_lineShowsPage = true;
}

void InputMethod::afterPage()
{
    m_previewBase = m_pageStart;
    m_option = -1;
    if (m_keepPreview)
        m_keepPreview = false;
    else
        m_preview.clear();
}

void InputMethod::choose(QChar ch, InputStep &step)
{
    if (m_input.size() == 1) {
        writeInput(QString());
        return;
    }
    const int offset = ch == u' ' ? 0 : ch == u'0' ? 9 : ch.digitValue() - 1;
    const int index = m_pageStart + offset;
    // Only what the line shows can be taken: a number past a short page, or one typed while
    // the line is empty, is dropped and the box stays as it was.
    if (!m_lineShowsPage || index > m_pageEnd) {
        QString kept = m_input;
        kept.remove(m_caret - 1, 1);
        m_input = kept;
        --m_caret;
        return;
    }
    if (ch != u' ' && ch != u'0')
        m_preview.clear();
    step.append += candidate(index);
    clearLine();
    writeInput(QString());
}

void InputMethod::clearLine()
{
    m_line.clear();
    m_lineShowsPage = false;
}

// As the box does when its text is set: the caret goes to the end.
void InputMethod::writeInput(const QString &text)
{
    m_input = text;
    m_caret = int(text.size());
}

int InputMethod::previewDigit(const KeyStroke &key)
{
    if (plainModifiers(key) != Qt::ShiftModifier)
        return -1;
    // Layouts that type the digit itself with Shift choose with it instead.
    if (key.text.size() == 1 && key.text.at(0).isDigit())
        return -1;
    if (key.rowDigit != KeyStroke::rowUnknown)
        return key.rowDigit;
    if (key.key >= Qt::Key_0 && key.key <= Qt::Key_9)
        return key.key - Qt::Key_0;
    const qsizetype us = key.key > 0 && key.key < 0x7F ? usShiftedDigits.indexOf(QChar(key.key)) : -1;
    return int(us);
}
