#pragma once

#include "shell/language.h"
#include "windows/mainwindow/windowrequest.h"

#include <QString>

class QAction;
class QMenuBar;

// The items of a main window's menu bar. An item missing from one edition is nullptr there
// (autoeng is English only; startasv and svensk are Swedish only).
struct MainMenuActions
{
    QAction *overstalltid = nullptr, *autoseekon = nullptr, *bakgrund = nullptr, *autoeng = nullptr,
            *startasv = nullptr, *printit = nullptr, *printPicture = nullptr,
            *printPractice = nullptr;
    QAction *fel = nullptr, *tilagg = nullptr, *svensk = nullptr, *hem = nullptr, *ced = nullptr,
            *unic = nullptr;
    QAction *forrad = nullptr, *tradrad = nullptr, *fonter = nullptr, *teed = nullptr,
            *pinedit = nullptr;
    QAction *autol = nullptr, *ime = nullptr, *pageLookup = nullptr; // plu, or pl in Swedish
    QAction *asd = nullptr, *inlasning = nullptr, *hjalpen = nullptr, *omprodukten = nullptr;
    QAction *rita = nullptr, *streck = nullptr; // "Draw a character", "Show strokes"
    QAction *mnutime = nullptr;
};

// The main window's menu bar in English or Swedish. Menus and items carry their design names
// as objectName, for the tests.
namespace MainMenuBar {

MainMenuActions populate(QMenuBar *bar, Language language);

// The help page file each help, report and home page item opens, with the item; empty for
// other items.
struct HelpItem
{
    QAction *action;
    QString page;
};
QList<HelpItem> helpItems(const MainMenuActions &actions, Language language);

// The items that open a window, with the window each opens.
struct RequestItem
{
    QAction *action;
    WindowRequest request;
};
QList<RequestItem> requestItems(const MainMenuActions &actions);

} // namespace MainMenuBar
