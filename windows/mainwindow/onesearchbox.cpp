#include "windows/mainwindow/onesearchbox.h"

#include "shell/firstframe.h"

#include "dictionary/charactercode.h"
#include "dictionary/lexiconsearch.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPointer>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct OneSearchTexts
{
    QString label, placeholder, words, oneWord, noWords, loading;
};

const OneSearchTexts &texts(Language language)
{
    static const OneSearchTexts english{
        u"&Find anything:"_s, u"Chinese, pinyin or English (Ctrl+L)"_s,
        u"%1 words"_s,        u"1 word"_s,
        u"No words"_s,        u"Reading the dictionary…"_s};
    static const OneSearchTexts swedish{u"&Sök vad som helst:"_s,
                                        u"Kinesiska, pinyin eller engelska (Ctrl+L)"_s,
                                        u"%1 ord"_s,
                                        u"1 ord"_s,
                                        u"Inga ord"_s,
                                        u"Läser in ordboken…"_s};
    return language == Language::English ? english : swedish;
}

// The word table read once per program folder, off the window thread, for every window.
class SharedLexicon : public QObject
{
    Q_OBJECT
public:
    static SharedLexicon *of(const QString &programFolder)
    {
        static QHash<QString, SharedLexicon *> loaded;
        SharedLexicon *&shared = loaded[programFolder];
        if (!shared)
            shared = new SharedLexicon(programFolder, QCoreApplication::instance());
        return shared;
    }
    const Lexicon *lexicon() const { return m_lexicon.get(); }

signals:
    void ready();

private:
    SharedLexicon(const QString &programFolder, QObject *parent)
        : QObject(parent)
    {
        QPointer<SharedLexicon> self(this);
        QThread *thread = QThread::create([self, programFolder] {
            auto lexicon = std::make_shared<const Lexicon>(Lexicon::load(programFolder));
            if (!self)
                return;
            QMetaObject::invokeMethod(
                self,
                [self, lexicon] {
                    if (!self)
                        return;
                    self->m_lexicon = lexicon;
                    emit self->ready();
                },
                Qt::QueuedConnection);
        });
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start(QThread::LowPriority);
    }

    std::shared_ptr<const Lexicon> m_lexicon;
};

} // namespace

// The hits of one search as list rows, a page at a time.
class LexiconResultModel : public QAbstractListModel
{
public:
    static constexpr int page = 50;
    enum Role { RowIdRole = Qt::UserRole, CodeStringRole };

    using QAbstractListModel::QAbstractListModel;

    void setResults(const Lexicon *lexicon, LexiconResults results)
    {
        beginResetModel();
        m_lexicon = lexicon;
        m_results = std::move(results);
        m_hits.clear();
        m_hits = m_results.hits(0, page);
        endResetModel();
    }
    void setTraditionalFirst(bool traditional)
    {
        m_traditionalFirst = traditional;
        if (!m_hits.isEmpty())
            emit dataChanged(index(0), index(int(m_hits.size()) - 1));
    }
    qsizetype total() const { return m_results.total(); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_hits.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_hits.size())
            return {};
        const LexiconEntry &entry = m_lexicon->at(m_hits.at(index.row()).entry);
        switch (role) {
        case Qt::DisplayRole:
            return LexiconSearch::line(entry, m_traditionalFirst);
        case RowIdRole:
            return entry.rowId;
        case CodeStringRole:
            return CharacterCode::codeString(entry.traditional);
        default:
            return {};
        }
    }
    bool canFetchMore(const QModelIndex &parent) const override
    {
        return !parent.isValid() && m_hits.size() < m_results.total();
    }
    void fetchMore(const QModelIndex &parent) override
    {
        if (parent.isValid())
            return;
        const QList<LexiconHit> more = m_results.hits(m_hits.size(), page);
        if (more.isEmpty())
            return;
        beginInsertRows({}, int(m_hits.size()), int(m_hits.size() + more.size()) - 1);
        m_hits += more;
        endInsertRows();
    }

private:
    const Lexicon *m_lexicon = nullptr;
    LexiconResults m_results;
    QList<LexiconHit> m_hits;
    bool m_traditionalFirst = false;
};

OneSearchBox::OneSearchBox(Language language, const QString &programFolder, QWidget *parent)
    : QWidget(parent)
    , m_language(language)
    , m_programFolder(programFolder)
    , m_model(new LexiconResultModel(this))
{
    setObjectName(u"oneSearch"_s);
    const OneSearchTexts &text = texts(language);
    anyLabel = new QLabel(text.label, this);
    anyLabel->setObjectName(u"anyLabel"_s);
    anySearch = new QLineEdit(this);
    anySearch->setObjectName(u"anySearch"_s);
    anySearch->setPlaceholderText(text.placeholder);
    anyLabel->setBuddy(anySearch);
    anyCount = new QLabel(this);
    anyCount->setObjectName(u"anyCount"_s);
    anyResults = new QListView(this);
    anyResults->setObjectName(u"anyResults"_s);
    anyResults->setModel(m_model);
    anyResults->setUniformItemSizes(true);
    anyResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    anyResults->setVisible(false);
    // Eight lines or so: the word display below keeps its room.
    const int line = anyResults->fontMetrics().height();
    anyResults->setMinimumHeight(line * 6);
    anyResults->setMaximumHeight(line * 9 + 2 * anyResults->frameWidth());

    auto *row = new QHBoxLayout;
    row->addWidget(anyLabel);
    row->addWidget(anySearch, 1);
    row->addWidget(anyCount);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(anyResults);

    connect(anySearch, &QLineEdit::textChanged, this, &OneSearchBox::search);
    connect(anySearch, &QLineEdit::returnPressed, this, [this] { choose(0); });
    connect(anyResults, &QListView::activated, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(anyResults, &QListView::clicked, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    anySearch->installEventFilter(this);
    // Anywhere in the window, the box is one keystroke away.
    auto *focus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    focus->setContext(Qt::WindowShortcut);
    connect(focus, &QShortcut::activated, this, &OneSearchBox::focusSearch);
    // Read in the background once the window is on screen: the first frame does not wait for
    // it, nor shares the processor with it. The clear button waits too: it shows only once
    // there is text, and finding its icon reads the desktop's icon themes.
    afterFirstFrame(parent ? parent->window() : this, this, [this] {
        anySearch->setClearButtonEnabled(true);
        connect(SharedLexicon::of(m_programFolder), &SharedLexicon::ready, this,
                &OneSearchBox::search);
    });
}

void OneSearchBox::setTraditionalFirst(bool traditional)
{
    m_model->setTraditionalFirst(traditional);
}

void OneSearchBox::focusSearch()
{
    anySearch->setFocus(Qt::ShortcutFocusReason);
    anySearch->selectAll();
}

bool OneSearchBox::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the box walks into the list, as in a search field with suggestions.
    if (watched == anySearch && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        anyResults->setFocus();
        anyResults->setCurrentIndex(m_model->index(0));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void OneSearchBox::search()
{
    const QString query = anySearch->text();
    const Lexicon *lexicon = SharedLexicon::of(m_programFolder)->lexicon();
    anyResults->setVisible(!query.trimmed().isEmpty());
    if (query.trimmed().isEmpty()) {
        m_model->setResults(lexicon, {});
        anyCount->clear();
        return;
    }
    if (!lexicon) {
        anyCount->setText(texts(m_language).loading); // searched again once it is read
        return;
    }
    m_model->setResults(lexicon, LexiconSearch(*lexicon).find(query));
    anyResults->scrollToTop();
    showCount();
}

void OneSearchBox::showCount()
{
    const OneSearchTexts &text = texts(m_language);
    const qsizetype total = m_model->total();
    anyCount->setText(
        total == 0   ? text.noWords
        : total == 1 ? text.oneWord
                     : text.words.arg(QLocale(m_language == Language::English ? QLocale::English
                                                                              : QLocale::Swedish)
                                          .toString(total)));
}

void OneSearchBox::choose(int row)
{
    const QModelIndex index = m_model->index(row);
    if (!index.isValid())
        return;
    anyResults->setCurrentIndex(index);
    emit wordChosen(index.data(LexiconResultModel::CodeStringRole).toString(),
                    index.data(LexiconResultModel::RowIdRole).toLongLong());
}

#include "onesearchbox.moc"
