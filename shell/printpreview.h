#pragma once

// The print preview of a document or of a practice sheet, from which the user prints to any
// printer or to a PDF file. Options sit in the preview's tool bar and redraw it at once.

#include "shell/language.h"

#include <QFont>
#include <QString>

class QWidget;
class ReadingTable;

// The stores of the program folder read into a reading table once per process: the reading
// sheet and the practice sheet of every window share it.
const ReadingTable &sharedReadingTable(const QString &programFolder);

// offerPinyin adds the "Pinyin above the characters" option (Chinese text); the preview is
// modal and returns when it closes.
void previewDocument(QWidget *parent, Language language, const QString &programFolder,
                     const QString &text, const QFont &font, bool offerPinyin);

// Says so, and shows no preview, when word holds no Chinese character. wordPinyin, when given,
// is the word's reading as shown (tone numbers), preferred to each character's first one.
void previewPracticeSheet(QWidget *parent, Language language, const QString &programFolder,
                          const QString &word, const QFont &chineseFont,
                          const QString &wordPinyin = {});
