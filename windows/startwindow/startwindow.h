#pragma once

#include "shell/language.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The first window: product name, maker, version and the choice of language. The application
// object skips it when an auto-start field is set.
class StartWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StartWindow(const QString &programFolder, QWidget *parent = nullptr);

    // Shown in the middle of its screen.
    void showCentred();

signals:
    void languageChosen(Language language);

private:
    const QString m_programFolder;
    QLabel *lblProductName;
    QLabel *lblCompanyProduct;
    QLabel *lblversion;
    QLabel *Image1;
    QLabel *Image2;
    QPushButton *Command1;
    QPushButton *Command2;
};
