#include "windows/mainwindow/mainmenubar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace MainMenuBar {
namespace {

using Request = WindowRequest;

struct Item
{
    QAction *MainMenuActions::*slot;
    const char16_t *name;
    const char16_t *english; // nullptr: the item is not in this window
    const char16_t *swedish;
    Request request = Request::None; // the window the item opens
    bool checkable = false;
    const char16_t *englishPage = nullptr;
    const char16_t *swedishPage = nullptr;
};

struct Menu
{
    const char16_t *name;
    const char16_t *english;
    const char16_t *swedish;
    QList<Item> items;
};

const QList<Menu> &menus()
{
    static const QList<Menu> table = {
        {u"file1",
         u"File",
         u"File",
         {{&MainMenuActions::overstalltid, u"overstalltid", u"Always on top", u"Alltid överst",
           Request::None, true},
          {&MainMenuActions::autoseekon, u"autoseekon", u"Auto lookup on", u"Autosök på",
           Request::None, true},
          {&MainMenuActions::bakgrund, u"bakgrund", u"Change background", u"Byt bakgrund"},
          {&MainMenuActions::autoeng, u"autoeng", u"Auto start English", nullptr, Request::None,
           true},
          {&MainMenuActions::startasv, u"startasv", nullptr, u"Starta svensk", Request::None, true},
          {&MainMenuActions::printit, u"printit", u"Print", u"Print", Request::None},
          {&MainMenuActions::printPicture, u"printPicture", u"Print picture...",
           u"Skriv ut bild...", Request::Print},
          {&MainMenuActions::printPractice, u"printPractice", u"Print practice sheet...",
           u"Skriv ut övningsark..."}}},
        {u"interne",
         u"Internet",
         u"Internet",
         {{&MainMenuActions::fel, u"fel", u"Report errors", u"Rapportera fel", Request::None, false,
           u"feleng.html", u"fel.html"},
          {&MainMenuActions::tilagg, u"tilagg", u"Report supplements", u"Rapportera tillägg",
           Request::None, false, u"tilaggeng.html", u"tilagg.html"},
          {&MainMenuActions::svensk, u"svensk", nullptr, u"Rapportera Svensk översättning",
           Request::None, false, nullptr, u"svtillagg.html"},
          {&MainMenuActions::hem, u"hem", u"Brenvik's home page", u"Brenvik's hemsida",
           Request::None, false, u"indexeng.html", u"index.htm"},
          {&MainMenuActions::ced, u"ced", u"Cedicts homepage", u"Cedicts hemsida", Request::None,
           false, u"cedict.html", u"cedict.html"},
          {&MainMenuActions::unic, u"unic", u"Unicodes home page", u"Unicodes hemsida",
           Request::None, false, u"unicode.html", u"unicode.html"}}},
        {u"rs",
         u"Radical search",
         u"Radikalsök",
         {{&MainMenuActions::forrad, u"forrad", u"Simplified radicals", u"Förenklade radikaler",
           Request::SimplifiedRadicals},
          {&MainMenuActions::tradrad, u"tradrad", u"Traditional radiclas",
           u"Traditionella radikaler", Request::TraditionalRadicals}}},
        {u"hand",
         u"Handwriting",
         u"Handskrift",
         {{&MainMenuActions::rita, u"rita", u"Draw a character", u"Rita ett tecken",
           Request::DrawCharacter},
          {&MainMenuActions::streck, u"streck", u"Show strokes", u"Visa streck",
           Request::ShowStrokes}}},
        {u"f",
         u"Font",
         u"Font",
         {{&MainMenuActions::fonter, u"fonter", u"Change font", u"Ändra font, storlek etc"}}},
        {u"che",
         u"Chinese editor",
         u"Kinesisk editor",
         {{&MainMenuActions::teed, u"teed", u"Chinese text editor", u"Chinese text editor",
           Request::ChineseEditor}}},
        {u"p",
         u"Pinyin editor",
         u"Pinyin editor",
         {{&MainMenuActions::pinedit, u"pinedit", u"Chinese pinyin editor",
           u"Chinese pinyin editor", Request::PinyinEditor}}},
        {u"auto",
         u"Auto Lookup",
         u"Auto Lookup",
         {{&MainMenuActions::autol, u"autol", u"Auto Lookup", u"Auto Lookup Decoded",
           Request::CedictSearch},
          {&MainMenuActions::ime, u"ime", u"Auto Lookup IME", u"Auto lookup IME",
           Request::CodeSearch},
          {&MainMenuActions::pageLookup, u"plu", u"Page look up", nullptr, Request::PageTranslator},
          {&MainMenuActions::pageLookup, u"pl", nullptr, u"Page lookup", Request::PageTranslator}}},
        {u"epost",
         u"E-post",
         u"E-post",
         {{&MainMenuActions::asd, u"asd", u"Send e-mail to Brenvik",
           u"Skicka E-post till Brenvik"}}},
        {u"inl",
         u"Update",
         u"Inläsning",
         {{&MainMenuActions::inlasning, u"inlasning", u"Update", u"Inläsning av ny cedict fil",
           Request::CedictImport}}},
        {u"hjalp",
         u"Help",
         u"Hjälp",
         {{&MainMenuActions::hjalpen, u"hjalpen", u"Help", u"Hjälp", Request::None, false,
           u"helpeng.html", u"help.html"}}},
        {u"o",
         u"About",
         u"Om",
         {{&MainMenuActions::omprodukten, u"omprodukten", u"About", u"Om", Request::None, false,
           u"about.html", u"om.html"}}},
    };
    return table;
}

QString text(const char16_t *english, const char16_t *swedish, Language language)
{
    const char16_t *chosen = language == Language::English ? english : swedish;
    return chosen ? QString::fromUtf16(chosen) : QString();
}

} // namespace

MainMenuActions populate(QMenuBar *bar, Language language)
{
    MainMenuActions actions;
    for (const Menu &menu : menus()) {
        QMenu *qmenu = bar->addMenu(text(menu.english, menu.swedish, language));
        qmenu->setObjectName(QString::fromUtf16(menu.name));
        qmenu->menuAction()->setObjectName(QString::fromUtf16(menu.name));
        for (const Item &item : menu.items) {
            const QString caption = text(item.english, item.swedish, language);
            if (caption.isEmpty())
                continue;
            QAction *action = qmenu->addAction(caption);
            action->setObjectName(QString::fromUtf16(item.name));
            action->setCheckable(item.checkable);
            actions.*item.slot = action;
        }
    }
    // The clock: a menu bar item whose caption is the time.
    actions.mnutime = bar->addAction(u"Time"_s);
    actions.mnutime->setObjectName(u"mnutime"_s);
    return actions;
}

QList<RequestItem> requestItems(const MainMenuActions &actions)
{
    QList<RequestItem> items;
    for (const Menu &menu : menus()) {
        for (const Item &item : menu.items) {
            QAction *action = actions.*item.slot;
            // pageLookup is one slot under two names, one per edition.
            if (item.request != Request::None && action &&
                action->objectName() == QStringView(item.name))
                items.append({action, item.request});
        }
    }
    return items;
}

QList<HelpItem> helpItems(const MainMenuActions &actions, Language language)
{
    QList<HelpItem> items;
    for (const Menu &menu : menus()) {
        for (const Item &item : menu.items) {
            const QString page = text(item.englishPage, item.swedishPage, language);
            if (!page.isEmpty() && actions.*item.slot)
                items.append({actions.*item.slot, page});
        }
    }
    return items;
}

} // namespace MainMenuBar
