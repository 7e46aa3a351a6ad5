#include "shell/mainmenubar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace MainMenuBar {
namespace {

struct Item
{
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
         {{u"overstalltid", u"Always on top", u"Alltid överst", true},
          {u"autoseekon", u"Auto lookup on", u"Autosök på", true},
          {u"bakgrund", u"Change background", u"Byt bakgrund"},
          {u"autoeng", u"Auto start English", nullptr, true},
          {u"startasv", nullptr, u"Starta svensk", true},
          {u"printit", u"Print", u"Print"}}},
        {u"interne", u"Internet", u"Internet",
         {{u"fel", u"Report errors", u"Rapportera fel", false, u"feleng.html", u"fel.html"},
          {u"tilagg", u"Report supplements", u"Rapportera tillägg", false, u"tilaggeng.html",
           u"tilagg.html"},
          {u"svensk", nullptr, u"Rapportera Svensk översättning", false, nullptr,
           u"svtillagg.html"},
          {u"hem", u"Brenvik's home page", u"Brenvik's hemsida", false, u"indexeng.html",
           u"index.htm"},
          {u"ced", u"Cedicts homepage", u"Cedicts hemsida", false, u"cedict.html", u"cedict.html"},
          {u"unic", u"Unicodes home page", u"Unicodes hemsida", false, u"unicode.html",
           u"unicode.html"}}},
        {u"rs", u"Radical search", u"Radikalsök",
         {{u"forrad", u"Simplified radicals", u"Förenklade radikaler"},
          {u"tradrad", u"Traditional radiclas", u"Traditionella radikaler"}}},
        {u"f", u"Font", u"Font", {{u"fonter", u"Change font", u"Ändra font, storlek etc"}}},
        {u"che", u"Chinese editor", u"Kinesisk editor",
         {{u"teed", u"Chinese text editor", u"Chinese text editor"}}},
        {u"p", u"Pinyin editor", u"Pinyin editor",
         {{u"pinedit", u"Chinese pinyin editor", u"Chinese pinyin editor"}}},
        {u"auto", u"Auto Lookup", u"Auto Lookup",
         {{u"autol", u"Auto Lookup", u"Auto Lookup Decoded"},
          {u"ime", u"Auto Lookup IME", u"Auto lookup IME"},
          {u"plu", u"Page look up", nullptr},
          {u"pl", nullptr, u"Page lookup"}}},
        {u"epost", u"E-post", u"E-post",
         {{u"asd", u"Send e-mail to Brenvik", u"Skicka E-post till Brenvik"}}},
        {u"inl", u"Update", u"Inläsning", {{u"inlasning", u"Update", u"Inläsning av ny cedict fil"}}},
        {u"hjalp", u"Help", u"Hjälp",
         {{u"hjalpen", u"Help", u"Hjälp", false, u"helpeng.html", u"help.html"}}},
        {u"o", u"About", u"Om",
         {{u"omprodukten", u"About", u"Om", false, u"about.html", u"om.html"}}},
    };
    return table;
}

QString text(const char16_t *english, const char16_t *swedish, Language language)
{
    const char16_t *chosen = language == Language::English ? english : swedish;
    return chosen ? QString::fromUtf16(chosen) : QString();
}

} // namespace

void populate(QMenuBar *bar, Language language)
{
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
        }
    }
    // The clock: a menu bar item whose caption is the time.
    QAction *clock = bar->addAction(u"Time"_s);
    clock->setObjectName(u"mnutime"_s);
}

QString helpPageFor(const QString &itemName, Language language)
{
    for (const Menu &menu : menus()) {
        for (const Item &item : menu.items) {
            if (itemName == QString::fromUtf16(item.name))
                return text(item.englishPage, item.swedishPage, language);
        }
    }
    return {};
}

} // namespace MainMenuBar
