#include "exchange/TForm2.h"

#include "exchange/TForm2Columns.h"
#include "exchange/TfrmComm.h"
#include "gui/DbNavigator.h"
#include "gui/GridColumnFit.h"
#include "store/DatasetTableModel.h"
#include "store/DialogFolders.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMetaObject>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace exchange {

namespace {
QToolButton* button(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    // A screen reader reads a worded caption itself; a glyph ("▲") is named by its hint.
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
        b->setAccessibleName(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

QWidget* panel(QWidget* parent, const char* name, QTableView* grid, QWidget* navigator) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    layout->addWidget(navigator);
    return w;
}

const QStringList kPrHints = {QT_TRANSLATE_NOOP("exchange::TForm2", "Первый КУ"),
                              QT_TRANSLATE_NOOP("exchange::TForm2", "Предыдущий КУ"),
                              QT_TRANSLATE_NOOP("exchange::TForm2", "Следующий КУ"),
                              QT_TRANSLATE_NOOP("exchange::TForm2", "Последний КУ"),
                              QT_TRANSLATE_NOOP("exchange::TForm2", "Добавить КУ"),
                              QT_TRANSLATE_NOOP("exchange::TForm2", "Удалить КУ")};
const QStringList kWaveformHints = {QT_TRANSLATE_NOOP("exchange::TForm2", "Первая рефлектограмма"),
                                    QT_TRANSLATE_NOOP("exchange::TForm2", "Предыдущая рефлектограмма"),
                                    QT_TRANSLATE_NOOP("exchange::TForm2", "Следующая рефлектограмма"),
                                    QT_TRANSLATE_NOOP("exchange::TForm2", "Последняя рефлектограмма")};

QStringList shownHints(const QStringList& hints) {
    QStringList shown;
    for (const QString& hint : hints) shown << TForm2::tr(hint.toUtf8().constData());
    return shown;
}
} // namespace

TForm2::TForm2(store::TDataModule1& dm, store::ViewState& state, store::DataModuleHost& mainWindow,
               QWidget* parent)
    : QDialog(parent), core_(std::make_unique<DeviceTransfers>(dm, state, mainWindow,
                                                               static_cast<DeviceTransfers::Window&>(*this))),
      dm_(dm) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("connect with device"));
    setModal(true);
    resize(760, 620);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel_tools"));
    buildToolStrip(strip);

    GroupBox_base = new QGroupBox(tr("БАЗА ДАННЫХ"), this);
    GroupBox_base->setObjectName(QStringLiteral("GroupBox_base"));
    DBGridEh1 = grid("DBGridEh1", tr("PR list"),
                     new store::DatasetTableModel(dm.t_ku_list, TForm2Columns::prList(), this));
    DBGridEhConnect = grid("DBGridEhConnect", tr("Waveform library"),
                           new store::DatasetTableModel(dm.t_master, TForm2Columns::library(), this),
                           TForm2Columns::libraryHidden());
    Navigator_ku = new gui::DbNavigator(QStringLiteral("Navigator_ku"), shownHints(kPrHints), this);
    Navigator_ku->setDataset(&dm.t_ku_list);
    Navigator_ku->setGrid(DBGridEh1);
    Navigator_connect =
        new gui::DbNavigator(QStringLiteral("Navigator_connect"), shownHints(kWaveformHints), this);
    Navigator_connect->setDataset(&dm.t_master);
    Panel_ku = panel(GroupBox_base, "Panel_ku", DBGridEh1, Navigator_ku);
    auto* base = new QHBoxLayout(GroupBox_base);
    base->addWidget(Panel_ku, 1);
    base->addWidget(panel(GroupBox_base, "Panel_connect", DBGridEhConnect, Navigator_connect), 2);

    GroupBox_device = new QGroupBox(tr("ПРИБОР"), this);
    GroupBox_device->setObjectName(QStringLiteral("GroupBox_device"));
    DBGridEh2 = grid("DBGridEh2", tr("Instrument PR table"),
                     new store::DatasetTableModel(dm.t_ku_list_temp, TForm2Columns::devicePrList(), this));
    DBGridEh2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGridEhList = grid("DBGridEhList", tr("Instrument waveforms"),
                        new store::DatasetTableModel(dm.t_refl_list, TForm2Columns::deviceWaveforms(), this));
    Navigator_ku_dev =
        new gui::DbNavigator(QStringLiteral("Navigator_ku_dev"), shownHints(kPrHints.mid(0, 4)), this);
    Navigator_ku_dev->setDataset(&dm.t_ku_list_temp);
    Navigator_list = new gui::DbNavigator(QStringLiteral("Navigator_list"), shownHints(kWaveformHints), this);
    Navigator_list->setDataset(&dm.t_refl_list);
    Panel_ku_dev = panel(GroupBox_device, "Panel_ku_dev", DBGridEh2, Navigator_ku_dev);
    auto* device = new QHBoxLayout(GroupBox_device);
    device->addWidget(Panel_ku_dev, 1);
    device->addWidget(panel(GroupBox_device, "Panel_list", DBGridEhList, Navigator_list), 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strip);
    layout->addWidget(GroupBox_base, 1);
    layout->addWidget(buildTransferStrip());
    layout->addWidget(GroupBox_device, 1);

    // A double click is the name editor's; Qt's own cell editor opened after it
    // would post the row again on commit. The name stays editable in place with F2.
    DBGridEhConnect->setEditTriggers(DBGridEhConnect->editTriggers() & ~QAbstractItemView::DoubleClicked);
    connect(DBGridEhConnect, &QTableView::doubleClicked, this, &TForm2::DBGridEhConnectDblClick);
    refresh();
}

TForm2::~TForm2() = default;

void TForm2::buildToolStrip(QWidget* strip) {
    SpeedButton1 = button(strip, "SpeedButton1", tr("Открыть "), tr("Открыть базу данных рефлектограмм"));
    SpeedButtonCom = button(strip, "SpeedButtonCom", tr("Обновить"), tr("Обновить связь с прибором"));
    Label1 = new QLabel(tr("Тип"), strip);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setEnabled(false);
    ComboBox_type2 = new QComboBox(strip);
    ComboBox_type2->setObjectName(QStringLiteral("ComboBox_type2"));
    ComboBox_type2->addItem(QStringLiteral("KMX-417"));
    ComboBox_type2->setToolTip(tr("Выбор типа прибора"));
    ComboBox_type2->setAccessibleName(tr("Выбор типа прибора"));
    ComboBox_type2->setEnabled(false);
    Label1->setBuddy(ComboBox_type2);
    SpeedButton3 = button(strip, "SpeedButton3", tr("Закрыть"), tr("Завершить связь с прибором"));

    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(SpeedButton1);
    row->addWidget(SpeedButtonCom);
    row->addSpacing(12);
    row->addWidget(Label1);
    row->addWidget(ComboBox_type2);
    row->addStretch();
    row->addWidget(SpeedButton3);

    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { store::showErrors([this] { core_->OpenDatabase(); }); });
    connect(SpeedButtonCom, &QToolButton::clicked, this,
            [this] { store::showErrors([this] { core_->Refresh(); }); });
    connect(ComboBox_type2, &QComboBox::activated, this,
            [this](int index) { store::showErrors([this, index] { core_->ComboBox_type2Change(index); }); });
    connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::accept);
}

QWidget* TForm2::buildTransferStrip() {
    Panel_transfer = new QWidget(this);
    Panel_transfer->setObjectName(QStringLiteral("Panel_transfer"));
    Panel_transfer->setFixedHeight(34);
    // Writing goes down to the instrument, reading comes up from it.
    SpeedButton9 = button(Panel_transfer, "SpeedButton9", tr("КУ ▼"), tr("Записать выделенные КУ в прибор"));
    SpeedButton5 = button(Panel_transfer, "SpeedButton5", QStringLiteral("▼"),
                          tr("Записать выделенные рефлектограммы в прибор"));
    SpeedButton2 = button(Panel_transfer, "SpeedButton2", QStringLiteral("▲"),
                          tr("Прочитать выделенные рефлектограммы из прибора"));
    for (QToolButton* b : {SpeedButton9, SpeedButton5, SpeedButton2}) b->setFixedSize(56, 28);
    connect(SpeedButton9, &QToolButton::clicked, this,
            [this] { store::showErrors([this] { core_->WriteSelectedPrEntries(); }); });
    connect(SpeedButton5, &QToolButton::clicked, this,
            [this] { store::showErrors([this] { core_->WriteSelectedWaveforms(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { store::showErrors([this] { core_->ReadSelectedWaveforms(); }); });
    return Panel_transfer;
}

QTableView* TForm2::grid(const char* name, const QString& accessible, store::DatasetTableModel* model,
                         const QStringList& hidden) {
    auto* view = new QTableView(this);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessible);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->verticalHeader()->hide();
    for (int c = 0; c < model->columns().size(); ++c) {
        const store::GridColumn& column = model->columns()[c];
        if (column.width > 0) view->setColumnWidth(c, column.width);
        view->setColumnHidden(c, hidden.contains(column.field));
    }
    gui::GridColumnFit::attach(view);
    // The grid's current row and the dataset's current record follow each other.
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [model](const QModelIndex& current) {
                store::Dataset& ds = model->dataset();
                if (current.isValid() && ds.isOpen() && current.row() != ds.recNo())
                    store::showErrors([&] { ds.moveTo(current.row()); });
            });
    connect(model, &store::DatasetTableModel::currentRowChanged, view, [view, model](int row) {
        if (row < 0 || row >= model->rowCount() || view->currentIndex().row() == row) return;
        view->setCurrentIndex(model->index(row, std::max(0, view->currentIndex().column())));
    });
    return view;
}

void TForm2::refresh() {
    const DeviceTransfersView& v = core_->view();
    // The selector holds one item: any other index shows no selection.
    ComboBox_type2->setCurrentIndex(v.typeIndex < ComboBox_type2->count() ? v.typeIndex : -1);
    Panel_ku->setVisible(v.prPanelsVisible);
    Panel_ku_dev->setVisible(v.prPanelsVisible);
    SpeedButton9->setVisible(v.prPanelsVisible);
    // Without the PR panels the two remaining buttons close up to the left.
    SpeedButton9->move(330, 3);
    SpeedButton5->move(v.prPanelsVisible ? 400 : 330, 3);
    SpeedButton2->move(v.prPanelsVisible ? 470 : 400, 3);
}

void TForm2::DBGridEhConnectDblClick() {
    store::showErrors([this] { emit connectGridDoubleClicked(); });
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opening_.opens(event)) return;
    // From the event loop, once the window is on screen under the engine dialog.
    QMetaObject::invokeMethod(
        this, [this] { FormShow(); }, Qt::QueuedConnection);
}

void TForm2::FormShow() {
    if (isVisible()) store::showErrors([this] { core_->Refresh(); });
}

void TForm2::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    opening_.hidden(event);
}

bool TForm2::runEngine(CommandList& list) {
    if (!engine_) {
        if (!ownEngine_) ownEngine_ = std::make_unique<TfrmComm>(this);
        engine_ = ownEngine_.get();
    }
    engine_->setCommands(&list);
    return engine_->exec() == QDialog::Accepted;
}

QString TForm2::chooseLibraryFile(const std::function<void(const QString&)>& folderEntered) {
    if (chooseLibrary_) return chooseLibrary_(this, folderEntered);
    QFileDialog dialog(this, tr("Открыть базу данных рефлектограмм"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Waveform database (*.db *.mdb)"), tr("All files (*)")});
    const QString folder = store::DialogFolders::folderFor(store::DialogPurpose::Database);
    dialog.setDirectory(folder);
    // Opening in a folder counts as entering it: the Data folder gets its empty library back at once.
    folderEntered(folder);
    connect(&dialog, &QFileDialog::directoryEntered, this,
            [&](const QString& entered) { folderEntered(entered); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().first();
    store::DialogFolders::remember(store::DialogPurpose::Database, path);
    return path;
}

} // namespace exchange
