#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The first window: product name, maker, version and the choice of language. With an
// auto-start field set it opens the main window at once and is never seen.
class StartWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StartWindow(const QString &programFolder, QWidget *parent = nullptr);

    // Reads the settings, then either opens the main window(s) or shows itself.
    void start();

    void Command1_Click(); // English
    void Command2_Click(); // Svenska

private:
    void choose(int uiLanguage);

    const QString m_programFolder;
    QLabel *lblProductName;
    QLabel *lblCompanyProduct;
    QLabel *lblversion;
    QLabel *Image1;
    QLabel *Image2;
    QPushButton *Command1;
    QPushButton *Command2;
};
