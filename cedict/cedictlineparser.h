#pragma once

#include "cedict/big5codec.h"
#include "cedict/cedictformat.h"

#include <QByteArrayView>

#include <vector>

class Big5CodeTable;
struct CedictImportSummary;
struct ImportedWord;

// Turns the lines of a CEDICT file into word records, in the file's edition, and counts in
// the summary what it leaves out:
//
//   Big5   "\xA4\xA4\xA4\xE5 [zhong1 wen2] /Chinese/"  ->  A4A4A4E5|&H4E2D&H6587|zhong1
//   wen2|Chinese UTF-8  "中文 中文 [Zhong1 wen2] /Chinese/"          ->  the same record
//
// One parser per import and thread: the codec inside is not to be shared.
class CedictLineParser
{
public:
    // codes: the code table, which only the Big5 edition needs.
    CedictLineParser(CedictFormat format, const Big5CodeTable &codes, CedictImportSummary &counts);

    bool isValid() const { return m_codec.isValid(); }

    // Fills record, emptied first, from one line without its line break; false when the line
    // gives no record: a UTF-8 comment, blank line or line of another shape. Every Big5 line
    // gives one, empty if need be.
    bool parse(QByteArrayView line, ImportedWord &record);

private:
    bool parseUtf8(QByteArrayView line, ImportedWord &record);
    void parseBig5(QByteArrayView line, ImportedWord &record);
    // The Big5 bytes of a UTF-16 character, asked of the codec once per character.
    int big5Code(QChar c);

    CedictFormat m_format;
    const Big5CodeTable &m_codes;
    CedictImportSummary &m_counts;
    Big5Codec m_codec;
    std::vector<int> m_big5Codes;
};
