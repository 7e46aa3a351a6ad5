#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The first window: product name, maker, version and the choice of language.
class StartWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StartWindow(QWidget *parent = nullptr);

signals:
    void languageChosen(int uiLanguage);

private:
    QLabel *lblProductName;
    QLabel *lblCompanyProduct;
    QLabel *lblversion;
    QPushButton *Command1;
    QPushButton *Command2;
};
