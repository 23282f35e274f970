#include "support/AmbienteTeste.h"

#include "base/Falha.h"
#include "data/Instalacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

Data D(int dia, int mes, int ano) {
    return Data::DeQDate(QDate(ano, mes, dia));
}

QByteArray BytesDoArquivo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void GravaBytes(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("não foi possível gravar %s", qPrintable(caminho));
}

QByteArray AmbienteTeste::Bytes(const QString& nome) const {
    return BytesDoArquivo(sis->pasta.Caminho(nome));
}

AmbienteTeste::AmbienteTeste(Data hoje) : relogio(hoje) {
    Instalacao::InstalaPastaDados(dir.path(), hoje);
    sis = std::make_unique<Sistema>(dir.path(), PastaBackup(), relogio, dialogos, impressora);
}

void AmbienteTeste::Reabre() {
    sis.reset();
    sis = std::make_unique<Sistema>(dir.path(), PastaBackup(), relogio, dialogos, impressora);
}

QString AmbienteTeste::PastaBackup() const {
    return Instalacao::PastaBackupPadrao(dir.path());
}

void AmbienteTeste::Acrescenta(const QString& tabela, const QVariantList& linha) {
    QList<QVariantList> linhas;
    auto c = sis->dm.AbreTabela(Banco::Principal, tabela);
    const QStringList campos = DMGeral::Campos(tabela);
    while (c.Proximo()) {
        QVariantList l;
        for (const QString& campo : campos)
            l << c.Valor(campo);
        linhas << l;
    }
    linhas << linha;
    sis->dm.SubstituiLinhas(Banco::Principal, tabela, linhas);
}

void AmbienteTeste::Servico(int cod, const QString& descr, int quant, int folga,
                            const QString& tipo, Data ini, Data fim, int prio) {
    Acrescenta(QStringLiteral("Sv"),
               {cod, descr, ini.ParaQDate(), fim.ParaQDate(), quant, prio, folga, tipo});
}

void AmbienteTeste::Militar(const QString& num, const QString& nome, int antig,
                            const QString& pstGrd, const QString& pr, Data ini, Data fim,
                            const QString& usv) {
    Acrescenta(QStringLiteral("Basico"),
               {num, pstGrd, nome, pr, ini.Zero() ? QVariant() : QVariant(ini.ParaQDate()),
                fim.Zero() ? QVariant() : QVariant(fim.ParaQDate()), usv, antig});
}

void AmbienteTeste::Membro(int sv, const QString& num, int pt, int vm, const QString& usvPt,
                           const QString& usvVm) {
    Acrescenta(QStringLiteral("Sv%1").arg(sv), {num, pt, vm, usvPt, usvVm});
}

void AmbienteTeste::Historico(Data dia, int sv, const QString& descr, const QString& nums,
                              const QString& ptVm) {
    Acrescenta(QStringLiteral("Hist"), {dia.ParaQDate(), sv, descr, nums, ptVm});
}

QList<QVariantList> AmbienteTeste::Brutas(const QString& tabela, const QString& campos,
                                          Banco banco) {
    return Consulta(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid").arg(campos, tabela),
                    banco);
}

QList<QVariantList> AmbienteTeste::Consulta(const QString& sql, Banco banco) {
    const QString arquivo =
        QDir(banco == Banco::Principal ? Pasta() : PastaBackup()).filePath(DMGeral::NomeArquivo);
    if (!QFileInfo::exists(arquivo))
        throw Falha(QStringLiteral("Banco inexistente: %1").arg(arquivo));
    const QString nome = QStringLiteral("teste-independente-%1").arg(++conexoes);
    QList<QVariantList> linhas;
    QString erro;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(arquivo);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            erro = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(sql))
                erro = q.lastError().text();
            while (q.next()) {
                QVariantList l;
                for (int i = 0; i < q.record().count(); ++i)
                    l << q.value(i);
                linhas << l;
            }
        }
    }
    QSqlDatabase::removeDatabase(nome);
    if (!erro.isEmpty())
        throw Falha(QStringLiteral("Leitura independente (%1): %2").arg(sql, erro));
    return linhas;
}

QList<QStringList> AmbienteTeste::Linhas(const QString& tabela, Banco banco) {
    QList<QStringList> linhas;
    for (const QVariantList& bruta : Brutas(tabela, QStringLiteral("*"), banco)) {
        QStringList l;
        for (const QVariant& v : bruta)
            l << (v.isNull() ? QString() : v.toString());
        linhas << l;
    }
    return linhas;
}

QStringList AmbienteTeste::Coluna(const QString& tabela, const QString& campo, Banco banco) {
    QStringList valores;
    for (const QVariantList& bruta :
         Brutas(tabela, QLatin1Char('"') + campo + QLatin1Char('"'), banco))
        valores << (bruta[0].isNull() ? QString() : bruta[0].toString());
    return valores;
}
