#include "app/OpenLibraryDialog.h"

#include "app/RecentServers.h"
#include "store/DialogFolders.h"
#include "store/ServerAddress.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace app {

OpenLibraryDialog::OpenLibraryDialog(QWidget* parent,
                                     const std::function<void(const QString&)>& folderEntered)
    : QDialog(parent) {
    setObjectName("OpenLibraryDialog");
    setWindowTitle(tr("Open database"));
    tabs = new QTabWidget(this);
    tabs->setObjectName("LibraryTabs");
    tabs->setAccessibleName(tr("Library location"));

    files = new QFileDialog(this, tr("Open database"));
    files->setObjectName("LibraryFiles");
    files->setWindowFlags(Qt::Widget);
    files->setSizeGripEnabled(false);
    files->setOption(QFileDialog::DontUseNativeDialog);
    files->setFileMode(QFileDialog::ExistingFile);
    files->setNameFilters({tr("Databases (*.db *.mdb)"), tr("All files (*)")});
    // The detail view's size and date columns take the width they need, the name the rest.
    if (auto* view = files->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        view->header()->setStretchLastSection(false);
        view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    const QString folder = store::DialogFolders::folderFor(store::DialogPurpose::Database);
    files->setDirectory(folder);
    // Opening in a folder counts as entering it: the Data folder gets its empty library back at once.
    folderEntered(folder);
    connect(files, &QFileDialog::directoryEntered, this, folderEntered);
    connect(files, &QFileDialog::accepted, this, [this] {
        if (files->selectedFiles().isEmpty()) return;
        chosen_ = files->selectedFiles().first();
        accept();
    });
    connect(files, &QFileDialog::rejected, this, &QDialog::reject);

    tabs->addTab(files, tr("File"));
    tabs->addTab(buildServerTab(), tr("Server"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(840, 500);
}

QWidget* OpenLibraryDialog::buildServerTab() {
    auto* page = new QWidget(this);
    page->setObjectName("ServerPage");
    auto* layout = new QVBoxLayout(page);

    auto* addressLabel = new QLabel(tr("Server address:"), page);
    addressLabel->setObjectName("ServerAddressLabel");
    serverAddress = new QLineEdit(page);
    serverAddress->setObjectName("ServerAddress");
    serverAddress->setAccessibleName(tr("Server address"));
    serverAddress->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/dbname"));
    addressLabel->setBuddy(serverAddress);
    layout->addWidget(addressLabel);
    layout->addWidget(serverAddress);

    auto* hint = new QLabel(tr("The password is taken from ~/.pgpass or the PGPASSWORD environment "
                               "variable; it is never written into the address or the settings."),
                            page);
    hint->setObjectName("ServerHint");
    hint->setWordWrap(true);
    layout->addWidget(hint);

    serverRefusal = new QLabel(page);
    serverRefusal->setObjectName("ServerRefusal");
    serverRefusal->setWordWrap(true);
    serverRefusal->setStyleSheet(QStringLiteral("color: #b00000"));
    serverRefusal->hide();
    layout->addWidget(serverRefusal);

    auto* recentLabel = new QLabel(tr("Opened last:"), page);
    recentLabel->setObjectName("RecentServersLabel");
    recentServers = new QListWidget(page);
    recentServers->setObjectName("RecentServers");
    recentServers->setAccessibleName(tr("Server libraries opened last"));
    recentServers->addItems(RecentServers::load());
    recentLabel->setBuddy(recentServers);
    layout->addWidget(recentLabel);
    layout->addWidget(recentServers, 1);
    connect(recentServers, &QListWidget::currentTextChanged, serverAddress, &QLineEdit::setText);
    connect(recentServers, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        serverAddress->setText(item->text());
        serverOpenClick();
    });

    auto* buttons = new QDialogButtonBox(page);
    buttons->setObjectName("ServerButtons");
    serverOpen = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    serverOpen->setObjectName("ServerOpen");
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName("ServerCancel");
    layout->addWidget(buttons);
    connect(serverOpen, &QPushButton::clicked, this, &OpenLibraryDialog::serverOpenClick);
    connect(serverAddress, &QLineEdit::returnPressed, this, &OpenLibraryDialog::serverOpenClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(serverAddress, &QLineEdit::textEdited, serverRefusal, &QLabel::hide);
    return page;
}

void OpenLibraryDialog::serverOpenClick() {
    const QString address = serverAddress->text().trimmed();
    const QString refusal = store::ServerAddress::refusal(address);
    if (!refusal.isEmpty()) {
        serverRefusal->setText(refusal);
        serverRefusal->show();
        serverAddress->setFocus();
        return;
    }
    chosen_ = address;
    accept();
}

QString OpenLibraryDialog::choose() {
    chosen_.clear();
    if (exec() != QDialog::Accepted) return {};
    if (!store::ServerAddress::isServerUrl(chosen_))
        store::DialogFolders::remember(store::DialogPurpose::Database, chosen_);
    return chosen_;
}

} // namespace app
