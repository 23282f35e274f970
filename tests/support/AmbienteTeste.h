#pragma once

#include "base/Relogio.h"
#include "model/Sistema.h"
#include "support/DialogosFalso.h"
#include "support/ImpressoraFalsa.h"

#include <QTemporaryDir>
#include <memory>

// A day written the usual way in tests: D(13, 5, 2009).
Data D(int dia, int mes, int ano);

// The bytes of a file, as stored (empty when it cannot be read).
QByteArray BytesDoArquivo(const QString& caminho);
void GravaBytes(const QString& caminho, const QByteArray& bytes);

// A fresh installation in a temporary folder, with a fixed today and scripted
// dialogs, and a small register builder that writes straight into the tables.
class AmbienteTeste {
public:
    explicit AmbienteTeste(Data hoje = D(10, 3, 2024));

    QTemporaryDir dir;
    RelogioFixo relogio;
    DialogosFalso dialogos;
    ImpressoraFalsa impressora;
    std::unique_ptr<Sistema> sis;

    QString Pasta() const { return dir.path(); }
    // A new program run on the same folder (the old one closed first).
    void Reabre();
    // The bytes of a file of the data folder.
    QByteArray Bytes(const QString& nome) const;
    QString PastaBackup() const;

    void Servico(int cod, const QString& descr, int quant = 1, int folga = 2,
                 const QString& tipo = QStringLiteral("PV"), Data ini = D(1, 1, 2000),
                 Data fim = D(1, 1, 2050), int prio = 31);
    void Militar(const QString& num, const QString& nome, int antig = 9999,
                 const QString& pstGrd = QStringLiteral("Sd"), const QString& pr = QString(),
                 Data ini = Data(), Data fim = Data(), const QString& usv = QString());
    void Membro(int sv, const QString& num, int pt = 0, int vm = 0,
                const QString& usvPt = QStringLiteral("13/05/09"),
                const QString& usvVm = QStringLiteral("13/05/09"));
    void Historico(Data dia, int sv, const QString& descr, const QString& nums,
                   const QString& ptVm = QStringLiteral("Pt"));

    // What the file holds, read through a second connection of its own, never
    // through the store under test. Rows in stored order, fields in the
    // table's order; a NULL reads as an empty text (Brutas keeps it NULL).
    QList<QStringList> Linhas(const QString& tabela, Banco banco = Banco::Principal);
    QStringList Coluna(const QString& tabela, const QString& campo, Banco banco = Banco::Principal);
    QList<QVariantList> Brutas(const QString& tabela, const QString& campos = QStringLiteral("*"),
                               Banco banco = Banco::Principal);
    // The rows a query returns, through a second, read-only connection.
    QList<QVariantList> Consulta(const QString& sql, Banco banco = Banco::Principal);

private:
    int conexoes = 0;
    void Acrescenta(const QString& tabela, const QVariantList& linha);
};
