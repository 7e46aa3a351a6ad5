#pragma once

#include "platform/programfonts.h"
#include "shell/named.h"

#include <QLatin1StringView>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QVector>

// Controls carry their design names as objectName, so tests and other windows find them.
namespace Controls {

inline constexpr int radicalSlotCount = 10;
inline constexpr QLatin1StringView chineseFontFamily = ProgramFonts::chineseAlias;
inline constexpr QLatin1StringView pinyinFontFamily = ProgramFonts::pinyinFamily;

inline QLineEdit *box(const QString &name, QWidget *parent, bool readOnly = true)
{
    auto *edit = named(new QLineEdit(parent), name);
    edit->setReadOnly(readOnly);
    return edit;
}

inline QVector<QLineEdit *> boxes(const QString &name, int count, QWidget *parent)
{
    QVector<QLineEdit *> list;
    for (int i = 0; i < count; ++i)
        list << box(QStringLiteral("%1_%2").arg(name).arg(i), parent);
    return list;
}

inline QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    return named(new QPushButton(caption, parent), name);
}

} // namespace Controls
