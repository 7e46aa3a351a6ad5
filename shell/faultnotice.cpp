#include "shell/faultnotice.h"

#include "shell/named.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// The dialog's text table, English and Swedish.
struct FaultTexts
{
    QString caption;
    QString intro;
    QString missing;     // %1 store, %2 folder
    QString unreadable;  // %1 store, %2 detail
    QString damaged;     // %1 store, %2 detail
    QString wrongLayout; // %1 store, %2 missing columns
    QString rebuild;
    QString previousKept;
    QString settings; // %1 file, %2 reason
    QString notAFile;
    QString readOnlyFile;
    QString readOnlyFolder;
    QString writeFailed;
    QString restore;
    QString restoreAsked;
    QString close;

    static const FaultTexts &forLanguage(Language language)
    {
        static const FaultTexts english{
            u"Ordbok: problems found"_s,
            u"The dictionary cannot work as it should:"_s,
            u"The store %1 is missing from the program folder %2."_s,
            u"The store %1 cannot be read (%2)."_s,
            u"The store %1 is damaged (%2). Searches in it may find nothing."_s,
            u"The store %1 holds another table (it lacks the columns %2); perhaps another store "
            u"was copied over it."_s,
            u"What to do: run ./start.sh or scripts/setup.sh in the source folder to build the "
            u"dictionary data again, or copy the file back from a backup."_s,
            u"A previous dictionary is kept: \"Restore the previous dictionary\" puts it back at "
            u"the next start."_s,
            u"The settings could not be saved to %1 (%2). Changes you make now are lost when "
            u"the program ends. What to do: make the file and its folder writable, or free "
            u"some disk space."_s,
            u"it is not a file"_s,
            u"the file is read-only"_s,
            u"the program folder is read-only"_s,
            u"writing failed; is the disk full?"_s,
            u"Restore the previous dictionary"_s,
            u"The previous dictionary will be restored the next time you start the program."_s,
            u"Close"_s,
        };
        static const FaultTexts swedish{
            u"Ordbok: problem hittade"_s,
            u"Ordboken kan inte fungera som den ska:"_s,
            u"Databasen %1 saknas i programmappen %2."_s,
            u"Databasen %1 kan inte läsas (%2)."_s,
            u"Databasen %1 är skadad (%2). Sökningar i den kan bli utan träff."_s,
            u"Databasen %1 innehåller en annan tabell (kolumnerna %2 saknas); kanske har en "
            u"annan databas kopierats över den."_s,
            u"Gör så här: kör ./start.sh eller scripts/setup.sh i källmappen för att bygga "
            u"ordbokens data igen, eller kopiera tillbaka filen från en säkerhetskopia."_s,
            u"En tidigare ordbok finns sparad: \"Återställ den tidigare ordboken\" lägger "
            u"tillbaka den vid nästa start."_s,
            u"Inställningarna kunde inte sparas i %1 (%2). Ändringar du gör nu går förlorade "
            u"när programmet avslutas. Gör så här: gör filen och dess mapp skrivbara, eller "
            u"frigör diskutrymme."_s,
            u"den är ingen fil"_s,
            u"filen är skrivskyddad"_s,
            u"programmappen är skrivskyddad"_s,
            u"skrivningen misslyckades; är disken full?"_s,
            u"Återställ den tidigare ordboken"_s,
            u"Den tidigare ordboken återställs nästa gång du startar programmet."_s,
            u"Stäng"_s,
        };
        return language == Language::Swedish ? swedish : english;
    }
};

} // namespace

FaultNotice::FaultNotice(QObject *parent)
    : QObject(parent)
{
}

FaultNotice::~FaultNotice()
{
    delete m_dialog.data();
}

void FaultNotice::setHost(QWidget *window)
{
    if (m_host == window)
        return;
    m_host = window;
    // The dialog moves with the window in use (the start window goes once a main window is
    // chosen); one the user has closed stays closed.
    bool shown = m_dialog == nullptr;
    if (m_dialog) {
        shown = m_dialog->isVisible();
        delete m_dialog.data();
    }
    if (shown && !m_messages.isEmpty())
        show();
}

void FaultNotice::storeFault(const StoreFault &fault, bool previousDictionaryKept)
{
    const bool offerRestore = fault.fileName == Tables::wordStore && previousDictionaryKept;
    m_offerRestore = m_offerRestore || offerRestore;
    add([fault, offerRestore](Language language) {
        const FaultTexts &texts = FaultTexts::forLanguage(language);
        QString message;
        switch (fault.kind) {
        case StoreFault::Kind::Missing:
            message = texts.missing.arg(
                fault.fileName, QDir::toNativeSeparators(QFileInfo(fault.path).absolutePath()));
            break;
        case StoreFault::Kind::Unreadable:
            message = texts.unreadable.arg(fault.fileName, fault.detail);
            break;
        case StoreFault::Kind::Damaged:
            message = texts.damaged.arg(fault.fileName, fault.detail.left(200));
            break;
        case StoreFault::Kind::WrongLayout:
            message = texts.wrongLayout.arg(fault.fileName, fault.detail);
            break;
        }
        message += u' ' + texts.rebuild;
        if (offerRestore)
            message += u' ' + texts.previousKept;
        return message;
    });
}

void FaultNotice::settingsNotSaved(const QString &file, SettingsStore::SaveObstacle obstacle)
{
    add([file, obstacle](Language language) {
        const FaultTexts &texts = FaultTexts::forLanguage(language);
        using Obstacle = SettingsStore::SaveObstacle;
        const QString reason = obstacle == Obstacle::NotAFile         ? texts.notAFile
                               : obstacle == Obstacle::ReadOnlyFile   ? texts.readOnlyFile
                               : obstacle == Obstacle::ReadOnlyFolder ? texts.readOnlyFolder
                                                                      : texts.writeFailed;
        return texts.settings.arg(file, reason);
    });
}

void FaultNotice::restoreAnswered(bool requested, const QString &error)
{
    if (requested) {
        m_offerRestore = false;
        if (m_dialog && m_restore)
            m_dialog->removeButton(m_restore);
        delete m_restore.data();
    }
    add([requested, error](Language language) {
        return requested ? FaultTexts::forLanguage(language).restoreAsked : error;
    });
}

QStringList FaultNotice::messages() const
{
    QStringList texts;
    for (const Message &message : m_messages)
        texts << message(m_language);
    return texts;
}

void FaultNotice::add(const Message &message)
{
    // The same fault found twice (two cursors on one store) is told once.
    if (messages().contains(message(m_language)))
        return;
    m_messages << message;
    show();
}

void FaultNotice::show()
{
    if (!m_host)
        return;
    const FaultTexts &texts = FaultTexts::forLanguage(m_language);
    if (!m_dialog) {
        m_dialog = named(new QMessageBox(QMessageBox::Warning, texts.caption, texts.intro,
                                         QMessageBox::NoButton, m_host),
                         u"faultNotice"_s);
        m_dialog->setWindowModality(Qt::NonModal);
        m_dialog->addButton(texts.close, QMessageBox::RejectRole);
        connect(m_dialog, &QMessageBox::buttonClicked, this, [this](QAbstractButton *button) {
            // Once the dialog has closed, so that the answer can open it again.
            if (button == m_restore)
                QMetaObject::invokeMethod(
                    this, [this] { emit restoreRequested(); }, Qt::QueuedConnection);
        });
    }
    if (m_offerRestore && !m_restore) {
        m_restore = named(m_dialog->addButton(texts.restore, QMessageBox::AcceptRole),
                          u"restorePrevious"_s);
    }
    m_dialog->setInformativeText(messages().join(u"\n\n"_s));
    m_dialog->show();
    m_dialog->raise();
}
