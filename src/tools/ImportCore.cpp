#include "tools/ImportCore.h"

#include "store/Messages.h"
#include "store/OdbcRegistry.h"
#include "tools/ImportCommandList.h"
#include "tools/ImportError.h"
#include "tools/OldMasterReader.h"
#include "tools/OldRecordConverter.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <sys/stat.h>

namespace tools {

namespace {

QString registeredFile() { return store::OdbcRegistry().readDbq(ImportCore::kAlias, QString()); }

// The object field of the list's first entry (digits 3-4), "01" when the list
// holds nothing usable.
QString objectField(const ImportCommandList* list) {
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    const QString field = list ? list->firstCommand().mid(2, 2) : QString();
    return hex.match(field).hasMatch() ? field.toUpper() : QStringLiteral("01");
}

} // namespace

void ImportCore::activate() {
    startEnabled = false;
    fileEnabled = true;
    saveEnabled = false;
    softVer = kSoftVer;
    dir = tr(kNoPath.toUtf8().constData());
    progressText.clear();
    progressPos = 0;
    emit changed();
}

void ImportCore::openOldTable() {
    const QString file = registeredFile();
    if (file.isEmpty())
        throw ImportError(
            tr("Источник данных %1 не зарегистрирован: выберите файл %2.").arg(kAlias, kFileName));
    records_ = OldMasterReader::read(file);
    open_ = true;
}

void ImportCore::chooseFile(const QString& path) {
    // Until the old table is read again, nothing can be started.
    records_.clear();
    open_ = false;
    startEnabled = false;
    emit changed();

    const QFileInfo info(path);
    bool recognised = false;
    if (info.fileName() == kFileName) {
        struct stat st {};
        if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &st) != 0)
            throw ImportError(tr(kNotFound.toUtf8().constData()) + QString::number(errno));
        store::OdbcRegistry().writeDbq(kAlias, info.absoluteFilePath());
        openOldTable();
        recognised = true;
    }
    softVer = recognised ? kSoftVer : QString();
    dir = path;
    if (!open_) openOldTable();
    progressMax = recordCount();
    progressPos = 0;
    skipped = 0;
    if (records_.isEmpty()) {
        startEnabled = false;
        progressText.clear();
        emit changed();
        store::messages().warning(
            tr("В файле %1 не найдено ни одной записи. Импорт данного файла не возможен.").arg(path));
    } else {
        startEnabled = true;
        progressText = tr("Обнаружено %1 записей. Нажмите кнопку Старт для обработки.").arg(recordCount());
    }
    saveEnabled = false;
    emit changed();
}

void ImportCore::start() {
    if (!list_ || !open_) return;
    startEnabled = false;
    const QString object = objectField(list_);
    list_->clear();
    progressPos = 0;
    skipped = 0;
    for (const OldRecord& record : records_) {
        if (const auto entry = OldRecordConverter::convert(record, object)) list_->append(*entry);
        else ++skipped;
        ++progressPos;
        progressText = tr("Обработано %1 записей из %2").arg(progressPos).arg(progressMax);
        if (skipped > 0) progressText += tr(", пропущено %1 (нет данных или номера)").arg(skipped);
    }
    fileEnabled = true;
    saveEnabled = true;
    emit changed();
}

bool ImportCore::save() {
    saveEnabled = false;
    emit changed();
    return true;
}

} // namespace tools
