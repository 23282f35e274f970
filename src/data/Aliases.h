#pragma once

#include <QString>

// Named database locations kept in an INI file ("Aliases.ini" in the user's
// configuration folder): "[Tarvolim2] Path=<data folder>" for the main
// database, "[BackUpSv2] Path=<backup folder>" for the backup database.
class Aliases {
public:
    static constexpr const char* Principal = "Tarvolim2";
    static constexpr const char* Backup = "BackUpSv2";

    explicit Aliases(QString arquivo);

    bool Existe(const QString& alias) const;
    // The alias's only parameter, "Path=" + folder.
    QString Parametro(const QString& alias) const;
    // The folder: the parameter with its leading "Path=" cut off.
    QString Pasta(const QString& alias) const;
    // Creates the alias or changes its folder.
    void Define(const QString& alias, const QString& pasta);

    const QString& Arquivo() const { return arquivo; }

private:
    QString arquivo;
};
