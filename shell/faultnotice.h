#pragma once

#include "dictionary/tables.h"
#include "settings/settingsstore.h"
#include "shell/language.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

#include <QMessageBox>
#include <QPushButton>
class QWidget;

// Faults the user must hear of, not only stderr: a store that is missing, unreadable, damaged
// or laid out as another one, and settings that could not be saved. They gather in one
// non-modal dialog (objectName "faultNotice") over the window in use, each naming its file
// and what to do. When the word table is damaged and a previous dictionary is kept, the
// dialog offers "Restore the previous dictionary".
class FaultNotice : public QObject
{
    Q_OBJECT
public:
    explicit FaultNotice(QObject *parent = nullptr);
    ~FaultNotice() override;

    void setLanguage(Language language) { m_language = language; }
    // Where the dialog shows; faults found before there is a window wait for one.
    void setHost(QWidget *window);

    void storeFault(const StoreFault &fault, bool previousDictionaryKept);
    // obstacle None: a save was tried and failed (a full disk, say).
    void settingsNotSaved(const QString &file, SettingsStore::SaveObstacle obstacle);
    // After "Restore the previous dictionary": what happens now.
    void restoreAnswered(bool requested, const QString &error);

    // In the language of the window in use, which may be chosen after a fault was found.
    QStringList messages() const;
    QMessageBox *dialog() const { return m_dialog; }

signals:
    void restoreRequested();

private:
    using Message = std::function<QString(Language)>;
    void add(const Message &message);
    void show();

    Language m_language = Language::English;
    QPointer<QWidget> m_host;
    QPointer<QMessageBox> m_dialog;
    QPointer<QPushButton> m_restore;
    QList<Message> m_messages;
    bool m_offerRestore = false;
};
