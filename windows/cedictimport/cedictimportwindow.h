#pragma once

#include "shell/language.h"
#include <QString>

#include <QWidget>

#include <functional>

class CedictImportJob;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TiledSurface;
struct CedictImportProgress;
struct CedictImportSummary;
struct CedictImportTexts;
struct ProgramContext;

// Form4, "Update": rebuilds the word table from a CEDICT file the user chooses. The import runs
// on a thread of its own with a progress bar and Cancel; the new table waits beside the
// program and takes effect at the next start.
class CedictImportWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CedictImportWindow(ProgramContext &context, Language language = Language::English,
                                QWidget *parent = nullptr);
    ~CedictImportWindow() override;

    // "Start": the file dialog, then the import of the file chosen. Cancelling the dialog
    // ends here, before anything is written.
    void Command1_Click();
    // Imports cedictFile; false when an import is running already. A file much smaller than
    // the dictionary in use is imported only after the user says yes to the question.
    bool startImport(const QString &cedictFile, bool muchSmallerAllowed = false);
    // "Restore the previous dictionary": it comes back at the next start.
    void Command3_Click();
    // Answers the question about a much smaller dictionary, for tests and scripts; by default
    // a dialog asks, with No as its default.
    void setMuchSmallerAnswer(std::function<bool(const QString &question)> answer)
    {
        m_answerMuchSmaller = std::move(answer);
    }
    // "Cancel": the running import stops and leaves every table as it was.
    void Command2_Click();
    bool isImporting() const;

signals:
    void importFinished(const CedictImportSummary &summary);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void showProgress(const CedictImportProgress &progress);
    void showFinished(const CedictImportSummary &summary);
    void setRunning(bool running);
    void showGenerations();
    bool askMuchSmaller(const QString &question);

    ProgramContext &m_context;
    const CedictImportTexts &m_texts;
    CedictImportJob *m_job = nullptr;
    QString m_fileName; // of the file being imported, for the messages
    QString m_filePath;
    std::function<bool(const QString &)> m_answerMuchSmaller;
    bool m_closeWhenDone = false; // closed while importing: closes once the import has let go

    TiledSurface *m_surface = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command3 = nullptr;
    QLabel *Label3 = nullptr;
};
