#include "windows/startwindow/startwindow.h"

#include "ordbok/version.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

QLabel *picture(const QString &file, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QPixmap pixmap(file);
    // The pictures are drawn at twice their size so that they stay sharp on 2x screens.
    pixmap.setDevicePixelRatio(2.0);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

StartWindow::StartWindow(const QString &programFolder, QWidget *parent)
    : QWidget(parent)
    , m_programFolder(programFolder)
{
    setObjectName(u"start"_s);
    setWindowTitle(u"Start"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    lblProductName = new QLabel(u"Chinese Dictionary"_s, this);
    lblProductName->setObjectName(u"lblProductName"_s);
    QFont big = lblProductName->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    lblProductName->setFont(big);
    lblCompanyProduct = new QLabel(u"Brenvik"_s, this);
    lblCompanyProduct->setObjectName(u"lblCompanyProduct"_s);
    lblversion = new QLabel(u"Version "_s + QLatin1StringView(ORDBOK_VERSION_STRING), this);
    lblversion->setObjectName(u"lblversion"_s);
    const QDir folder(programFolder);
    Image1 = picture(folder.filePath(u"start1.png"_s), u"Image1"_s, this);
    Image2 = picture(folder.filePath(u"start2.png"_s), u"Image2"_s, this);
    Command1 = new QPushButton(u"English"_s, this);
    Command1->setObjectName(u"Command1"_s);
    Command2 = new QPushButton(u"Svenska"_s, this);
    Command2->setObjectName(u"Command2"_s);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, 4, 1);
    grid->addWidget(lblProductName, 0, 1, 1, 2);
    grid->addWidget(lblCompanyProduct, 1, 1, 1, 2);
    grid->addWidget(lblversion, 2, 1, 1, 2);
    grid->addWidget(Image2, 0, 3, 4, 1);
    grid->addWidget(Command1, 3, 1);
    grid->addWidget(Command2, 3, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setHorizontalSpacing(18);

    connect(Command1, &QPushButton::clicked, this,
            [this] { emit languageChosen(Language::English); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { emit languageChosen(Language::Swedish); });
}

void StartWindow::showCentred()
{
    show();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
