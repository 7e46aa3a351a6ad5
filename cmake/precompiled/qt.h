// The Qt headers most files include, parsed once per library (and once for all the tests)
// instead of once per source file. A module's headers come only where the target links it, and
// nothing of the project's own is here, so a file that does not include a layer's header
// still fails to compile.
#pragma once
#ifdef QT_CORE_LIB
#include <QByteArray>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QPointer>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVariant>
#endif
#ifdef QT_GUI_LIB
#include <QAction>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#endif
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>
#endif
#ifdef QT_SQL_LIB
#include <QSqlDatabase>
#include <QSqlQuery>
#endif
