#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

// The main window's menu bar in English or Swedish. Menus and items carry their design names
// as objectName, so the window finds them with findChild<QAction *>(name).
namespace MainMenuBar {

enum class Language { English, Swedish };

void populate(QMenuBar *bar, Language language);

// The help page file each help, report and home page item opens; empty for other items.
QString helpPageFor(const QString &itemName, Language language);

} // namespace MainMenuBar
