#include "shell/fieldbinder.h"

#include "platform/recordsource.h"

#include <QLineEdit>

void FieldBinder::bind(QLineEdit *box, RecordSource *source, const QString &field, Display display)
{
    const bool sourceKnown = std::any_of(m_bindings.cbegin(), m_bindings.cend(),
                                         [source](const Binding &b) { return b.source == source; });
    m_bindings.append({box, source, field, display});
    if (!sourceKnown)
        connect(source, &RecordSource::currentChanged, this, [this, source] { refresh(source); });
    show(m_bindings.last());
}

void FieldBinder::rebind(QLineEdit *box, const QString &field)
{
    for (Binding &binding : m_bindings) {
        if (binding.box == box) {
            binding.field = field;
            show(binding);
        }
    }
}

void FieldBinder::refresh(RecordSource *source)
{
    for (const Binding &binding : std::as_const(m_bindings)) {
        if (binding.source == source)
            show(binding);
    }
}

void FieldBinder::show(const Binding &binding)
{
    if (!binding.box)
        return;
    const QString stored = binding.source->text(binding.field);
    binding.box->setText(binding.display ? binding.display(stored) : stored);
}
