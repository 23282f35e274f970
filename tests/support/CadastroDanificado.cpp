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

void CasosDeValoresDanificados() {
    QTest::addColumn<QString>("dano");
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("mensagem");
    const auto caso = [](const char* dano, const char* tabela, const char* mensagem) {
        QTest::newRow(dano) << QString::fromUtf8(dano) << QString::fromUtf8(tabela)
                            << QString::fromUtf8(mensagem);
    };
    caso("código 0", "Sv", "A tabela Sv tem na linha 2 o código de serviço 0, fora de 1 a 30");
    caso("código 31", "Sv", "A tabela Sv tem na linha 3 o código de serviço 31, fora de 1 a 30");
    caso("código repetido", "Sv",
         "A tabela Sv tem na linha 3 o código de serviço 1, que já está na linha 1");
    caso("número vazio no pessoal", "Basico",
         "A tabela Basico tem na linha 6 um número vazio (Num)");
    caso("número vazio no rodízio", "Sv2", "A tabela Sv2 tem na linha 3 um número vazio (Num)");
    caso("número vazio no histórico", "Hist", "A tabela Hist tem na linha 2 um número vazio (Num)");
    caso("número longo no rodízio", "Sv2",
         "A tabela Sv2 tem na linha 3 o número \"12345\", com mais de 4 caracteres (Num)");
    caso("número longo no pessoal", "Basico",
         "A tabela Basico tem na linha 6 o número \"12345\", com mais de 4 caracteres (Num)");
    caso("contador além dos inteiros", "Sv1",
         "A tabela Sv1 tem na linha 2 o valor \"99999999999\", que não é um número inteiro de "
         "-2147483648 a 2147483647 (Pt)");
    caso("contador em texto", "Sv1", "A tabela Sv1 tem na linha 3 o valor \"muitos\", que não é");
}

void DanificaValores(AmbienteTeste& a, const QString& dano) {
    a.sis.reset();
    const QString arquivo = QDir(a.Pasta()).filePath(DMGeral::NomeArquivo);
    QStringList comandos{
        QStringLiteral("INSERT INTO Hist VALUES ('2024-03-08', 1, 'Of Dia', '1', 'Pt')"),
        QStringLiteral("INSERT INTO Hist VALUES ('2024-03-08', 2, 'Guarda', '4', 'Pt')")};
    const QString outroServico =
        QStringLiteral("INSERT INTO Sv VALUES (%1, 'Ronda', '2000-01-01', '2050-01-01', 1, 31, 1, "
                       "'PV')");
    if (dano == QStringLiteral("código 0"))
        comandos << QStringLiteral("UPDATE Sv SET CodSv = 0 WHERE CodSv = 2");
    else if (dano == QStringLiteral("código 31"))
        comandos << outroServico.arg(31);
    else if (dano == QStringLiteral("código repetido"))
        comandos << outroServico.arg(1);
    else if (dano == QStringLiteral("número vazio no pessoal"))
        comandos << QStringLiteral("UPDATE Basico SET Num = '' WHERE Num = '6'");
    else if (dano == QStringLiteral("número vazio no rodízio"))
        comandos << QStringLiteral("UPDATE Sv2 SET Num = '' WHERE Num = '6'");
    else if (dano == QStringLiteral("número vazio no histórico"))
        comandos << QStringLiteral("UPDATE Hist SET Num = '' WHERE CodSv = 2");
    else if (dano == QStringLiteral("número longo no rodízio"))
        comandos << QStringLiteral("UPDATE Sv2 SET Num = '12345' WHERE Num = '6'");
    else if (dano == QStringLiteral("número longo no pessoal"))
        comandos << QStringLiteral("UPDATE Basico SET Num = '12345' WHERE Num = '6'");
    else if (dano == QStringLiteral("contador além dos inteiros"))
        comandos << QStringLiteral("UPDATE Sv1 SET Pt = 99999999999 WHERE Num = '2'");
    else if (dano == QStringLiteral("contador em texto"))
        comandos << QStringLiteral("UPDATE Sv1 SET Vm = 'muitos' WHERE Num = '3'");
    else
        qFatal("dano desconhecido: %s", qPrintable(dano));
    ExecutaNoArquivo(arquivo, comandos);
    a.Reabre();
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
