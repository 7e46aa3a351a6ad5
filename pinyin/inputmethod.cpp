#include "pinyin/inputmethod.h"

#include "pinyin/tonemarks.h"

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
    return (ch >= u'a' && ch <= u'z') || ch == u':' || ch == u'\'';
}

bool isToneDigit(QChar ch)
{
    return ch >= u'1' && ch <= u'5';
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
    const bool altGr =
        mods.testFlags(Qt::ControlModifier | Qt::AltModifier); // as Windows reports it
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
    // A Chinese sentence ends in the ideographic full stop, not in a wide dot.
    if (c == u'.')
        return QChar(u'\u3002');
    return QChar(char16_t(c + fullWidthOffset));
}

void stripTrailingSpaces(QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
}

// The characters of the first syllable: those of every syllable it begins when it is the only
// one typed (as single-syllable typing always did), else of that syllable alone.
SyllableEntry characterRange(const TypedSyllable &first, bool alone)
{
    if (alone)
        return findSyllableRange(first.letters);
    for (const SyllableEntry &entry : std::as_const(SyllableIndex)) {
        if (entry.syllable == first.letters)
            return entry;
    }
    return {QString(), -1, 0};
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
        // The first time in a run it switches tables; later it hides.
        if (!traditionalLoaded) {
            loadTraditionalTable();
            writeInput(QString());
            clearLine();
        } else {
            step.hideWindow = true;
        }
        return step;
    }
    if ((key.key == Qt::Key_Down || key.key == Qt::Key_Up) && mods == Qt::NoModifier &&
        m_lineShowsPage) {
        movePreview(key.key == Qt::Key_Down ? 1 : -1);
        return step;
    }

    const bool emptyBox = m_input.isEmpty();
    if (key.key == Qt::Key_Backspace && m_input.size() == 1) {
        clearLine();
    } else if ((key.key == Qt::Key_Return || key.key == Qt::Key_Enter) && emptyBox) {
        step.insert += u'\n';
    } else if (emptyBox) {
        // Digits and punctuation go straight into the document; the box drops the character
        // again when it handles it below.
        if (const QChar wide = fullWidth(key); !wide.isNull())
            step.insert += wide;
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
    const bool pasted = text.size() > m_input.size() + 1;
    setInput(text, caret);
    InputStep step;
    if (pasted)
        takePaste();
    else
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
    // Past the last candidate (no page shown yet, say) the preview stays empty.
    const int index = m_previewBase + (option == 0 ? 9 : option - 1);
    m_previewed = index < m_candidates.size() ? index : -1;
    m_preview = m_previewed >= 0 ? m_candidates.at(index).text : QString();
}

void InputMethod::tableChanged()
{
    clearLine();
    m_candidates.clear();
    if (m_input.isEmpty())
        return;
    lookUp();
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
        // A digit typed inside the pinyin, after a letter, is that syllable's tone; at the end
        // it chooses.
        const bool tone = isToneDigit(ch) && m_caret < m_input.size() && m_caret > 1 &&
                          m_input.at(m_caret - 2).isLetter();
        if (isSyllableLetter(ch) || tone) {
            if ((ch == u':' || ch == u'\'') && m_input.size() == 1) {
                writeInput(QString());
                return;
            }
            lookUp();
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

// Pasted pinyin keeps its letters, tones and partings; the rest of it goes.
void InputMethod::takePaste()
{
    QString kept;
    for (const QChar c : std::as_const(m_input)) {
        const QChar ch = c.toLower();
        if (isSyllableLetter(ch) || (isToneDigit(ch) && !kept.isEmpty()))
            kept += ch;
        else if (ch == u' ' && !kept.isEmpty() && !kept.endsWith(u'\''))
            kept += u'\'';
    }
    while (kept.endsWith(u'\''))
        kept.chop(1);
    writeInput(kept);
    if (!kept.isEmpty())
        lookUp();
}

// A run that cannot be read as pinyin leaves the line as it was.
void InputMethod::lookUp()
{
    const QList<TypedSyllable> syllables = PinyinRun::split(m_input);
    if (syllables.isEmpty())
        return;
    QList<Candidate> found;
    if (m_words && syllables.size() > 1)
        found = m_words->words(syllables, traditionalTableInUse());
    const SyllableEntry range = characterRange(syllables.first(), syllables.size() == 1);
    for (int i = int(range.first); range.first >= 0 && i <= int(range.last); ++i) {
        if (i < CandidateList.size() && !CandidateList.at(i).isEmpty())
            found.append(Candidate{CandidateList.at(i), 1, {}, {}});
    }
    if (found.isEmpty())
        return;
    m_syllables = syllables;
    m_candidates = std::move(found);
    m_lookedUp = m_input;
    showFirstPage();
}

void InputMethod::page(QChar ch)
{
    QString cleaned = m_input;
    cleaned[m_caret - 1] = u' ';
    stripTrailingSpaces(cleaned);
    writeInput(cleaned);

    // Nothing to page through after a run of no syllable or once the line was emptied.
    const int last = int(m_candidates.size()) - 1;
    if (!m_lineShowsPage || last < 0)
        return;
    if (ch == u',' || ch == u'<') {
        if (m_pageStart == 0)
            return;
        m_pageStart -= pageSize;
        m_pageEnd = m_pageStart + pageSize - 1;
    } else {
        if (last - m_pageEnd <= 0)
            return;
        m_pageStart += pageSize;
        m_pageEnd = last - m_pageEnd < pageSize ? last : m_pageEnd + pageSize;
    }
    showPage(m_pageStart == 0 ? u"  " : u"< ");
    afterPage();
}

void InputMethod::showFirstPage()
{
    const int last = int(m_candidates.size()) - 1;
    m_pageStart = 0;
    m_pageEnd = qMin(last, pageSize - 1);
    showPage(u"  ");
    afterPage();
}

// "  1 X 2 Y 3 Z " for a first page of three; a page with more after it ends in " >".
void InputMethod::showPage(QStringView prefix)
{
    QString line;
    line.reserve(prefix.size() + 6 * pageSize + 2);
    line += prefix;
    m_lineStarts.clear();
    int k = 1;
    for (int i = m_pageStart; i <= m_pageEnd; ++i, ++k) {
        Candidate &shown = m_candidates[i];
        // Only what is shown is described: a page costs ten look-ups, not the whole list.
        if (m_words && shown.syllables == 1 && shown.pinyin.isEmpty() && !m_syllables.isEmpty())
            m_words->describeCharacter(shown, m_syllables.first().letters);
        m_lineStarts << line.size();
        line += QChar(char16_t(u'0' + k % 10));
        line += u' ';
        line += shown.text;
        line += u' ';
    }
    if (int(m_candidates.size()) - 1 != m_pageEnd)
        line += u" >"_s;
    m_line = std::move(line);
    m_lineShowsPage = true;
}

void InputMethod::afterPage()
{
    m_previewBase = m_pageStart;
    m_option = -1;
    if (m_keepPreview) {
        m_keepPreview = false;
    } else {
        m_preview.clear();
        m_previewed = -1;
    }
}

void InputMethod::choose(QChar ch, InputStep &step)
{
    if (m_input.size() == 1) {
        writeInput(QString());
        return;
    }
    const int offset = ch == u' ' ? 0 : ch == u'0' ? 9 : ch.digitValue() - 1;
    const int index = m_pageStart + offset;
    QString rest = m_input;
    rest.remove(m_caret - 1, 1);
    // Only what the line shows can be taken: a number past a short page, or one typed while
    // the line is empty, is dropped and the box stays as it was.
    if (!m_lineShowsPage || index > m_pageEnd) {
        m_input = rest;
        --m_caret;
        return;
    }
    if (ch != u' ' && ch != u'0')
        m_preview.clear();
    const Candidate &chosen = m_candidates.at(index);
    step.insert += chosen.text;
    // The syllables the choice spells leave the box; the rest stays to be chosen next. A box
    // changed since its lookup (by a run that is no pinyin) is taken whole, as it always was.
    const int taken = qMin(chosen.syllables, int(m_syllables.size()));
    if (rest == m_lookedUp && taken > 0 && taken < m_syllables.size())
        rest = rest.mid(m_syllables.at(taken - 1).end);
    else
        rest.clear();
    clearLine();
    writeInput(rest);
    if (!rest.isEmpty())
        lookUp();
}

void InputMethod::movePreview(int by)
{
    const int shown = m_pageEnd - m_pageStart + 1;
    const int current =
        m_previewed >= m_pageStart && !m_preview.isEmpty() ? m_previewed - m_pageStart : -1;
    const int next = current < 0 ? 0 : qBound(0, current + by, shown - 1);
    choosePreview((next + 1) % 10);
}

void InputMethod::clearLine()
{
    m_line.clear();
    m_lineShowsPage = false;
    m_lineStarts.clear();
}

// As the box does when its text is set: the caret goes to the end.
void InputMethod::writeInput(const QString &text)
{
    m_input = text;
    m_caret = int(text.size());
}

QString InputMethod::glossLine() const
{
    if (!m_lineShowsPage)
        return {};
    const int index = m_previewed >= 0 && !m_preview.isEmpty() ? m_previewed : m_pageStart;
    if (index < 0 || index >= m_candidates.size())
        return {};
    const Candidate &c = m_candidates.at(index);
    const QString pinyin = toneNumbersToUnicode(c.pinyin);
    if (pinyin.isEmpty() || c.gloss.isEmpty())
        return pinyin + c.gloss;
    return pinyin + u"  "_s + c.gloss;
}

int InputMethod::candidateAt(int linePosition) const
{
    if (!m_lineShowsPage || linePosition < 0)
        return -1;
    for (qsizetype k = m_lineStarts.size() - 1; k >= 0; --k) {
        if (linePosition >= m_lineStarts.at(k)) {
            const qsizetype end =
                m_lineStarts.at(k) + 2 + m_candidates.at(m_pageStart + int(k)).text.size();
            return linePosition < end ? m_pageStart + int(k) : -1;
        }
    }
    return -1;
}

QString InputMethod::describe(int candidate) const
{
    if (candidate < 0 || candidate >= m_candidates.size())
        return {};
    const Candidate &c = m_candidates.at(candidate);
    QString text = c.text;
    for (const QString &part : {toneNumbersToUnicode(c.pinyin), c.gloss}) {
        if (!part.isEmpty())
            text += u"  "_s + part;
    }
    return text;
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
    const qsizetype us =
        key.key > 0 && key.key < 0x7F ? usShiftedDigits.indexOf(QChar(key.key)) : -1;
    return int(us);
}
