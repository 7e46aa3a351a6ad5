#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class RecordSource;

// Boxes bound to a field of a record source's current record: each shows that field and is
// refreshed whenever the current record moves. An empty (null) field shows an empty text.
class FieldBinder : public QObject
{
    Q_OBJECT
public:
    explicit FieldBinder(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    // How a box shows its field's text ("nu:3" shown as "nǚ"); null shows it as stored.
    using Display = QString (*)(const QString &stored);

    void bind(QLineEdit *box, RecordSource *source, const QString &field,
              Display display = nullptr);
    // Shows another field of the same record source from now on.
    void rebind(QLineEdit *box, const QString &field);

private:
    struct Binding
    {
        QPointer<QLineEdit> box;
        RecordSource *source;
        QString field;
        Display display;
    };
    void refresh(RecordSource *source);
    static void show(const Binding &binding);

    QList<Binding> m_bindings;
};
