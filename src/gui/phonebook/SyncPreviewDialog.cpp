#include "gui/phonebook/SyncPreviewDialog.h"

#include "gui/phonebook/SyncPreviewModel.h"
#include "gui/phonebook/SyncSideDelegate.h"
#include "gui/shell/FocusChain.h"

#include "core/phonebook/PhonebookLimits.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The dialog opens this many average characters wide and text lines high, as the screen allows:
// room for a conflict's two versions on one line, and a dozen rows.
constexpr int kWidthChars = 120;
constexpr int kHeightLines = 26;

QLabel* TextLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

SyncPreviewDialog::SyncPreviewDialog(MergePlan& plan, QWidget* parent, const QString& intro, const QString& note)
    : QDialog(parent), m_target(plan), m_plan(plan)
{
    setWindowTitle(tr("Sync with the Handset"));
    auto* layout = new QVBoxLayout(this);

    QString introText = intro;
    if (introText.isEmpty() && m_plan.firstSync)
        introText = tr("This is the first sync with this handset: its phone book and the computer's are merged.");
    if (introText.isEmpty())
        introText = tr("What changed on the handset and on the computer since the last sync:");
    layout->addWidget(TextLabel(introText, this));

    m_model = new SyncPreviewModel(m_plan, this);
    m_view = new QTreeView(this);
    m_view->setModel(m_model);
    m_view->setAccessibleName(tr("Changes to sync"));
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_view->setItemDelegateForColumn(SyncPreviewModel::kTakeColumn, new SyncSideDelegate(m_view));
    QHeaderView* header = m_view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(SyncPreviewModel::kEntryColumn, QHeaderView::Stretch);
    m_view->installEventFilter(this);
    layout->addWidget(m_view, 1);

    QString hint;
    if (m_plan.changes.empty())
        hint = tr("No entry was added, changed or deleted on either side.");
    else
        hint = tr("Space includes or leaves out the selected change. On a conflict, Left and Right choose the "
                  "version to take, and F2 opens the list of versions.");
    layout->addWidget(TextLabel(hint, this));

    m_count = TextLabel(QString(), this);
    layout->addWidget(m_count);
    if (!note.isEmpty())
        layout->addWidget(TextLabel(note, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_sync = buttons->button(QDialogButtonBox::Ok);
    m_sync->setText(tr("Sync"));
    m_sync->setAccessibleName(tr("Sync"));
    m_sync->setDefault(true);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_cancel->setText(tr("Cancel"));
    m_cancel->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SyncPreviewDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_model, &SyncPreviewModel::ResultCountChanged, this, &SyncPreviewDialog::ShowCount);
    ShowCount(m_model->ResultCount());
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, SyncPreviewModel::kIncludeColumn));
    m_view->setFocus();
    const QFontMetrics metrics = fontMetrics();
    QSize size(kWidthChars * metrics.averageCharWidth(), kHeightLines * metrics.height());
    if (const QScreen* where = screen())
        size = size.boundedTo(where->availableSize() * 9 / 10);
    resize(size);
}

void SyncPreviewDialog::ShowCount(int count)
{
    const bool tooMany = m_model->TooMany();
    QString text;
    if (tooMany)
        //: %1: the entries the merged phone book would hold, more than the handset's 100.
        text = tr("The handset would have to hold %L1 entries, but it holds at most 100. Leave out additions, or "
                  "take one version of a conflict, to sync.")
                   .arg(count);
    else
        //: %1: the entries the handset will hold after the sync.
        text = tr("The handset will hold %L1 of 100 entries.").arg(count);
    m_count->setText(text);
    QPalette colours = palette();
    if (tooMany) {
        // A red that stands out from the window's colour, light or dark.
        const bool dark = colours.color(QPalette::Window).lightness() < 128;
        colours.setColor(QPalette::WindowText, dark ? QColor(0xFF, 0x6B, 0x6B) : QColor(0xB7, 0x1C, 0x1C));
    }
    m_count->setPalette(colours);
    m_sync->setEnabled(!tooMany);
    m_sync->setToolTip(tooMany ? text : QString());
}

void SyncPreviewDialog::accept()
{
    // Return presses the default button even while the count says no.
    if (m_model->TooMany())
        return;
    const std::size_t n = std::min(m_target.changes.size(), m_plan.changes.size());
    for (std::size_t i = 0; i < n; ++i) {
        m_target.changes[i].include = m_plan.changes[i].include;
        m_target.changes[i].side = m_plan.changes[i].side;
    }
    QDialog::accept();
}

bool SyncPreviewDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int row = m_view->currentIndex().row();
    if (row < 0 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Select:
        m_model->SetIncluded(row, !m_model->Plan().changes[static_cast<std::size_t>(row)].include);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Elsewhere the keys scroll a long line as usual.
        if (!m_model->IsConflict(row))
            return false;
        m_model->StepSide(row, key->key() == Qt::Key_Left ? -1 : 1);
        return true;
    case Qt::Key_F2:
        if (m_model->IsConflict(row)) {
            const QModelIndex take = m_model->index(row, SyncPreviewModel::kTakeColumn);
            m_view->setCurrentIndex(take);
            m_view->edit(take);
        }
        return true;
    default: return false;
    }
}

void SyncPreviewDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The list, then the buttons as the style lays them out.
    FocusChain::Apply(FocusChain::ByPlace(this));
}
