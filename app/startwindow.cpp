#include "app/startwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

StartWindow::StartWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"start"_s);
    setWindowTitle(u"Start"_s);
    lblProductName = new QLabel(u"Chinese Dictionary"_s, this);
    lblProductName->setObjectName(u"lblProductName"_s);
    lblCompanyProduct = new QLabel(u"Brenvik"_s, this);
    lblCompanyProduct->setObjectName(u"lblCompanyProduct"_s);
    lblversion = new QLabel(u"Version %1.%2.%3"_s.arg(ORDBOK_VERSION_MAJOR).arg(ORDBOK_VERSION_MINOR).arg(ORDBOK_VERSION_PATCH), this);
    lblversion->setObjectName(u"lblversion"_s);
    Command1 = new QPushButton(u"English"_s, this);
    Command1->setObjectName(u"Command1"_s);
    Command2 = new QPushButton(u"Svenska"_s, this);
    Command2->setObjectName(u"Command2"_s);
    auto *layout = new QVBoxLayout(this);
    for (QWidget *w : {static_cast<QWidget *>(lblProductName), static_cast<QWidget *>(lblCompanyProduct),
                       static_cast<QWidget *>(lblversion), static_cast<QWidget *>(Command1),
                       static_cast<QWidget *>(Command2)})
        layout->addWidget(w);
    connect(Command1, &QPushButton::clicked, this, [this] { emit languageChosen(1); });
    connect(Command2, &QPushButton::clicked, this, [this] { emit languageChosen(2); });
}
