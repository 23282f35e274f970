#include "data/Aliases.h"

#include "base/Falha.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

Aliases::Aliases(QString caminho) : arquivo(std::move(caminho)) {}

bool Aliases::Existe(const QString& alias) const {
    const QSettings s(arquivo, QSettings::IniFormat);
    return s.contains(alias + QStringLiteral("/Path"));
}

QString Aliases::Parametro(const QString& alias) const {
    return QStringLiteral("Path=") + Pasta(alias);
}

QString Aliases::Pasta(const QString& alias) const {
    const QSettings s(arquivo, QSettings::IniFormat);
    return s.value(alias + QStringLiteral("/Path")).toString();
}

void Aliases::Define(const QString& alias, const QString& pasta) {
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    QSettings s(arquivo, QSettings::IniFormat);
    s.setValue(alias + QStringLiteral("/Path"), pasta);
    s.sync();
    if (s.status() != QSettings::NoError)
        throw Falha(QStringLiteral("Não foi possível gravar o arquivo de aliases %1").arg(arquivo));
}
