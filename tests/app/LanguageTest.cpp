#include "app/Language.h"
#include "TranslationScope.h"
#include "app/MainProgram.h"
#include "app/tdr/TdrFolderImport.h"
#include "report/ParameterTable.h"
#include "store/PrListDefaults.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"
#include "tools/ImportCore.h"
#include "trace/ScreenChart.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

using app::Language;

TEST(Language, theLocaleEnvironmentChoosesAsTheCLibraryDoes) {
    auto from = [](const QMap<QString, QString>& environment) {
        return app::languageOfEnvironment([&](const char* name) { return environment.value(name); });
    };
    EXPECT_EQ(from({{"LANG", "ru_RU.UTF-8"}}), Language::Russian);
    EXPECT_EQ(from({{"LANG", "en_GB.UTF-8"}}), Language::English);
    EXPECT_EQ(from({{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}), Language::English);
    EXPECT_EQ(from({{"LC_ALL", "C"}, {"LC_MESSAGES", "ru_RU"}, {"LANG", "en_US"}}), Language::Described)
        << "LC_ALL overrides the rest, and C means the texts as written";
    EXPECT_EQ(from({{"LANG", "de_DE.UTF-8"}}), Language::Described);
    EXPECT_EQ(from({}), Language::Described);
    EXPECT_EQ(app::languageNamed("ru"), Language::Russian);
    EXPECT_EQ(app::languageNamed("described"), Language::Described);
    EXPECT_FALSE(app::languageNamed("fr"));
}

// Every text a user reads in `root` and its children: titles, captions,
// hints, accessible names, list entries, column titles, menu entries.
QStringList visibleTexts(QWidget* root) {
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* t = qobject_cast<QTableView*>(w); t && t->model())
            for (int i = 0; i < t->model()->columnCount(); ++i) {
                if (t->isColumnHidden(i)) continue;
                texts << t->model()->headerData(i, Qt::Horizontal).toString();
                for (int row = 0; row < t->model()->rowCount(); ++row)
                    texts << t->model()->index(row, i).data().toString();
            }
        for (QAction* a : w->actions()) texts << a->text() << a->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

// The words of `text` that are not Russian: Latin words outside the names,
// units and abbreviations a Russian text keeps as they are.
QStringList foreignWords(QString text) {
    static const QStringList kKept = {"Echolon", "KMX",   "KM",   "ver",    "v",   "L",        "OK",
                                      "Enter",   "Shift", "Ctrl", "Access", "DIR", "home",     "no",
                                      "create",  "db",    "mdb",  "dbf",    "tdr", "CODE_CMD", "DEV_TYPE",
                                      "master",  "A",     "A1",   "M",      "USB", "CSV",      "JSON",
                                      "PNG",     "SVG",   "csv",  "json",   "png", "svg"};
    // Paths, port names (COM1) and commands quoted to be typed are no words.
    text.remove(QRegularExpression(QStringLiteral("\\S*[/\\\\]\\S*|\\bCOM\\d+|«[^»]*»")));
    QStringList words;
    static const QRegularExpression kWord(QStringLiteral("[A-Za-z_][A-Za-z_0-9]*"));
    for (auto it = kWord.globalMatch(text); it.hasNext();) {
        const QString word = it.next().captured();
        if (!kKept.contains(word)) words << word;
    }
    return words;
}

bool hasCyrillic(const QString& text) {
    static const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(kCyrillic);
}

// The windows a user meets, built by the program's own code, with the
// messages the main window and the waveform file import show.
QStringList programTexts() {
    TempHome home;
    RecordingMessages boxes;
    boxes.answer = false;
    app::MainProgram program;
    program.start();
    QStringList texts = visibleTexts(&program.Form1);
    for (QWidget* dialog : std::initializer_list<QWidget*>{
             &program.dialogs->Form2, &program.dialogs->frmChkDev, &program.dialogs->frmImport,
             &program.dialogs->frmComm, &program.dialogs->frmAbout, &program.dialogs->frmEdtFld})
        texts << visibleTexts(dialog);
    program.Form1.close();
    const QStringList passedOver(30, QStringLiteral("/data/a.tdr"));
    texts << boxes.confirms << app::tdr::TdrFolderImport::passedOverMessage(passedOver);
    return texts;
}

TEST(Language, englishLeavesNoRussianTextInTheWindowsAndMessages) {
    const TranslationScope english(Language::English);
    ASSERT_TRUE(english.installed) << "the English translation is built into the program";
    const QStringList texts = programTexts();
    EXPECT_TRUE(texts.contains("Connection settings")) << "the port dialog is among the windows read";
    QStringList russian;
    for (const QString& text : texts)
        if (hasCyrillic(text)) russian << text;
    EXPECT_TRUE(russian.isEmpty()) << russian.join(" | ").toStdString();
}

TEST(Language, russianLeavesNoEnglishWordInTheWindowsAndMessages) {
    const TranslationScope russianScope(Language::Russian);
    ASSERT_TRUE(russianScope.installed) << "the Russian translation is built into the program";
    const QStringList texts = programTexts();
    EXPECT_TRUE(texts.contains("Файл")) << "the main window's menu is among the texts read";
    QStringList english;
    for (const QString& text : texts)
        if (!foreignWords(text).isEmpty()) english << text + " [" + foreignWords(text).join(',') + "]";
    EXPECT_TRUE(english.isEmpty()) << english.join(" | ").toStdString();
}

// The slips of the texts as written read as plain English in English, and
// stand as they are when the texts are asked for as written.
TEST(Language, englishMendsTheWrittenTextsSlips_describedKeepsThem) {
    const auto seen = [](Language language) {
        const TranslationScope scope(language);
        TempHome home;
        RecordingMessages boxes;
        store::createDefaultPrList(store::TDataModule1::listPath()); // as the program starts
        app::MainProgram program;
        program.start();
        QStringList texts = visibleTexts(&program.Form1);
        tools::ImportCore import;
        import.activate(); // the import dialog's folder before one is chosen
        texts << program.TDBChart1.axisTitle(trace::Axis::Bottom) << report::ParameterTable::rowLabels()
              << import.dir;
        program.Form1.close();
        return texts;
    };
    const QStringList english = seen(Language::English);
    for (const char* text : {"date saved", "method", "distance, m", "Waveforms library", "Open waveforms",
                             "(not chosen)", "AAShv"})
        EXPECT_FALSE(english.filter(QString::fromUtf8(text)).isEmpty()) << text;
    for (const char* slip : {"save data", "methad", "scale, (m)", "Wavefroms", "To open a waveforms"})
        EXPECT_TRUE(english.filter(QString::fromUtf8(slip)).isEmpty()) << slip;

    const QStringList written = seen(Language::Described);
    for (const char* text :
         {"save data", "methad", "scale, (m)", "Wavefroms library", "!!! не задан !!!", "ААШв"})
        EXPECT_FALSE(written.filter(QString::fromUtf8(text)).isEmpty()) << text;
}

} // namespace
