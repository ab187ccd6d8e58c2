#include "store/IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>

namespace store {

namespace {
// Settings files are small; anything larger is not ours and is not read.
constexpr qint64 kMaxIniBytes = 1 << 20;
} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) { reload(); }

void IniFile::reload() {
    sections_.clear();
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxIniBytes) return;
    const QString text = QString::fromUtf8(f.readAll());
    Section* current = nullptr;
    for (QString line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            current = &sectionFor(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq <= 0 || current == nullptr) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        bool replaced = false;
        for (Entry& e : current->entries) {
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
                e.value = value;
                replaced = true;
                break;
            }
        }
        if (!replaced) current->entries.push_back({key, value});
    }
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    for (const Section& s : sections_)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

IniFile::Section& IniFile::sectionFor(const QString& name) {
    for (Section& s : sections_)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) return s;
    sections_.push_back({name, {}});
    return sections_.back();
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const Section* s = findSection(section);
    if (!s) return def;
    for (const Entry& e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) return e.value;
    return def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    const QString text = readString(section, key, QString()).trimmed();
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : def;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section& s = sectionFor(section);
    for (Entry& e : s.entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    }
    s.entries.push_back({key, value});
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::removeKey(const QString& section, const QString& key) {
    for (Section& s : sections_) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0) continue;
        s.entries.erase(
            std::remove_if(s.entries.begin(), s.entries.end(),
                           [&](const Entry& e) { return e.key.compare(key, Qt::CaseInsensitive) == 0; }),
            s.entries.end());
    }
}

bool IniFile::save() {
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly)) {
        error_ = QCoreApplication::translate("IniFile", "Cannot write %1: %2").arg(path_, f.errorString());
        return false;
    }
    QByteArray out;
    for (const Section& s : sections_) {
        out += '[' + s.name.toUtf8() + "]\r\n";
        for (const Entry& e : s.entries) out += e.key.toUtf8() + '=' + e.value.toUtf8() + "\r\n";
        out += "\r\n";
    }
    f.write(out);
    if (!f.commit()) {
        error_ = QCoreApplication::translate("IniFile", "Cannot write %1: %2").arg(path_, f.errorString());
        return false;
    }
    error_.clear();
    return true;
}

} // namespace store
