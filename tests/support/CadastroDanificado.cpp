#include "support/CadastroDanificado.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

void ExecutaNoArquivo(const QString& arquivo, const QStringList& comandos) {
    const QString nome = QStringLiteral("teste-dano");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(arquivo);
        if (!db.open())
            qFatal("%s", qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        for (const QString& comando : comandos)
            if (!q.exec(comando))
                qFatal("%s: %s", qPrintable(comando), qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(nome);
}

} // namespace

void CasosDeCadastroDanificado() {
    QTest::addColumn<QString>("dano");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("sem o banco") << "sem o banco"
                                 << "falta o arquivo Tarvolim.db";
    QTest::newRow("banco vazio") << "banco vazio"
                                 << "o arquivo Tarvolim.db não tem nenhuma das tabelas";
    QTest::newRow("banco ilegível") << "banco ilegível"
                                    << "o arquivo Tarvolim.db não é um banco de dados legível";
    QTest::newRow("sem o histórico") << "sem o histórico"
                                     << "falta a tabela Hist";
    QTest::newRow("sem dois rodízios") << "sem dois rodízios"
                                       << "faltam as tabelas Sv7, Sv30";
    QTest::newRow("campo a menos") << "campo a menos"
                                   << "a tabela Sv7 não tem os campos do cadastro";
    QTest::newRow("campo de outro tipo") << "campo de outro tipo"
                                         << "a tabela Basico não tem os campos do cadastro";
}

void DanificaCadastro(AmbienteTeste& a, const QString& dano) {
    a.sis.reset();
    const QString arquivo = QDir(a.Pasta()).filePath(DMGeral::NomeArquivo);
    if (dano == QStringLiteral("sem o banco")) {
        QFile::remove(arquivo);
    } else if (dano == QStringLiteral("banco vazio")) {
        GravaBytes(arquivo, {});
    } else if (dano == QStringLiteral("banco ilegível")) {
        GravaBytes(arquivo, QByteArray(8192, 'x'));
    } else if (dano == QStringLiteral("sem o histórico")) {
        ExecutaNoArquivo(arquivo, {QStringLiteral("DROP TABLE Hist")});
    } else if (dano == QStringLiteral("sem dois rodízios")) {
        ExecutaNoArquivo(arquivo,
                         {QStringLiteral("DROP TABLE Sv30"), QStringLiteral("DROP TABLE Sv7")});
    } else if (dano == QStringLiteral("campo a menos")) {
        ExecutaNoArquivo(arquivo, {QStringLiteral("DROP TABLE Sv7"),
                                   QStringLiteral("CREATE TABLE Sv7 (Num TEXT, Pt INTEGER, "
                                                  "Vm INTEGER, USvPt TEXT)")});
    } else if (dano == QStringLiteral("campo de outro tipo")) {
        ExecutaNoArquivo(arquivo, {QStringLiteral("DROP TABLE Basico"),
                                   QStringLiteral("CREATE TABLE Basico (Num INTEGER, PstGrd TEXT, "
                                                  "Nome TEXT, PR TEXT, Ini TEXT, Fim TEXT, "
                                                  "USv TEXT, Antig INTEGER)")});
    } else {
        qFatal("dano desconhecido: %s", qPrintable(dano));
    }
}

QStringList ConteudoDaPasta(const QString& pasta) {
    QStringList conteudo;
    for (const QFileInfo& f : QDir(pasta).entryInfoList(
             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        conteudo << QStringLiteral("%1 %2 %3")
                        .arg(f.fileName())
                        .arg(f.size())
                        .arg(f.lastModified().toMSecsSinceEpoch());
    return conteudo;
}
