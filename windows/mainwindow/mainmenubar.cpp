#include "windows/mainwindow/mainmenubar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace MainMenuBar {
namespace {

struct Item
{
    QAction *MainMenuActions::*slot;
    const char16_t *name;
    const char16_t *english; // nullptr: the item is not in this window
    const char16_t *swedish;
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
        {u"file1", u"File", u"File",
         {{&MainMenuActions::overstalltid, u"overstalltid", u"Always on top", u"Alltid överst", true},
          {&MainMenuActions::autoseekon, u"autoseekon", u"Auto lookup on", u"Autosök på", true},
          {&MainMenuActions::bakgrund, u"bakgrund", u"Change background", u"Byt bakgrund"},
          {&MainMenuActions::autoeng, u"autoeng", u"Auto start English", nullptr, true},
          {&MainMenuActions::startasv, u"startasv", nullptr, u"Starta svensk", true},
          {&MainMenuActions::printit, u"printit", u"Print", u"Print"}}},
        {u"interne", u"Internet", u"Internet",
         {{&MainMenuActions::fel, u"fel", u"Report errors", u"Rapportera fel", false, u"feleng.html", u"fel.html"},
          {&MainMenuActions::tilagg, u"tilagg", u"Report supplements", u"Rapportera tillägg", false, u"tilaggeng.html",
           u"tilagg.html"},
          {&MainMenuActions::svensk, u"svensk", nullptr, u"Rapportera Svensk översättning", false, nullptr,
           u"svtillagg.html"},
          {&MainMenuActions::hem, u"hem", u"Brenvik's home page", u"Brenvik's hemsida", false, u"indexeng.html",
           u"index.htm"},
          {&MainMenuActions::ced, u"ced", u"Cedicts homepage", u"Cedicts hemsida", false, u"cedict.html", u"cedict.html"},
          {&MainMenuActions::unic, u"unic", u"Unicodes home page", u"Unicodes hemsida", false, u"unicode.html",
           u"unicode.html"}}},
        {u"rs", u"Radical search", u"Radikalsök",
         {{&MainMenuActions::forrad, u"forrad", u"Simplified radicals", u"Förenklade radikaler"},
          {&MainMenuActions::tradrad, u"tradrad", u"Traditional radiclas", u"Traditionella radikaler"}}},
        {u"hand", u"Handwriting", u"Handskrift",
         {{&MainMenuActions::rita, u"rita", u"Draw a character", u"Rita ett tecken"},
          {&MainMenuActions::streck, u"streck", u"Show strokes", u"Visa streck"}}},
        {u"f", u"Font", u"Font", {{&MainMenuActions::fonter, u"fonter", u"Change font", u"Ändra font, storlek etc"}}},
        {u"che", u"Chinese editor", u"Kinesisk editor",
         {{&MainMenuActions::teed, u"teed", u"Chinese text editor", u"Chinese text editor"}}},
        {u"p", u"Pinyin editor", u"Pinyin editor",
         {{&MainMenuActions::pinedit, u"pinedit", u"Chinese pinyin editor", u"Chinese pinyin editor"}}},
        {u"auto", u"Auto Lookup", u"Auto Lookup",
         {{&MainMenuActions::autol, u"autol", u"Auto Lookup", u"Auto Lookup Decoded"},
          {&MainMenuActions::ime, u"ime", u"Auto Lookup IME", u"Auto lookup IME"},
          {&MainMenuActions::pageLookup, u"plu", u"Page look up", nullptr},
          {&MainMenuActions::pageLookup, u"pl", nullptr, u"Page lookup"}}},
        {u"epost", u"E-post", u"E-post",
         {{&MainMenuActions::asd, u"asd", u"Send e-mail to Brenvik", u"Skicka E-post till Brenvik"}}},
        {u"inl", u"Update", u"Inläsning", {{&MainMenuActions::inlasning, u"inlasning", u"Update", u"Inläsning av ny cedict fil"}}},
        {u"hjalp", u"Help", u"Hjälp",
         {{&MainMenuActions::hjalpen, u"hjalpen", u"Help", u"Hjälp", false, u"helpeng.html", u"help.html"}}},
        {u"o", u"About", u"Om",
         {{&MainMenuActions::omprodukten, u"omprodukten", u"About", u"Om", false, u"about.html", u"om.html"}}},
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
