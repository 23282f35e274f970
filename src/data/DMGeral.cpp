#include "data/DMGeral.h"

#include "base/Falha.h"
#include "data/ArquivoTexto.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>

#include <algorithm>
#include <limits>

namespace {

// How a field is stored: an integer, a text ('' when empty), or a date as its
// ISO text (NULL when empty). Dates are declared TEXT.
enum class Tipo { Inteiro, Texto, Data };

struct Campo {
    const char* nome;
    Tipo tipo;
    const char* Declarado() const { return tipo == Tipo::Inteiro ? "INTEGER" : "TEXT"; }
};

const QList<Campo>& CamposSv() {
    static const QList<Campo> c{{"CodSv", Tipo::Inteiro}, {"Descr", Tipo::Texto},
                                {"Ini", Tipo::Data},      {"Fim", Tipo::Data},
                                {"Quant", Tipo::Inteiro}, {"Prio", Tipo::Inteiro},
                                {"Folga", Tipo::Inteiro}, {"TipoSv", Tipo::Texto}};
    return c;
}
const QList<Campo>& CamposBasico() {
    static const QList<Campo> c{{"Num", Tipo::Texto},  {"PstGrd", Tipo::Texto},
                                {"Nome", Tipo::Texto}, {"PR", Tipo::Texto},
                                {"Ini", Tipo::Data},   {"Fim", Tipo::Data},
                                {"USv", Tipo::Texto},  {"Antig", Tipo::Inteiro}};
    return c;
}
const QList<Campo>& CamposHist() {
    static const QList<Campo> c{{"Dia", Tipo::Data},
                                {"CodSv", Tipo::Inteiro},
                                {"Descr", Tipo::Texto},
                                {"Num", Tipo::Texto},
                                {"PtVm", Tipo::Texto}};
    return c;
}
const QList<Campo>& CamposSvN() {
    static const QList<Campo> c{{"Num", Tipo::Texto},
                                {"Pt", Tipo::Inteiro},
                                {"Vm", Tipo::Inteiro},
                                {"USvPt", Tipo::Texto},
                                {"USvVm", Tipo::Texto}};
    return c;
}

const QList<Campo>& CamposDe(const QString& tabela) {
    if (tabela == QLatin1String("Sv"))
        return CamposSv();
    if (tabela == QLatin1String("Basico"))
        return CamposBasico();
    if (tabela == QLatin1String("Hist"))
        return CamposHist();
    return CamposSvN();
}

// The value a variant of type T holds, without a conversion.
template <typename T> const T& Conteudo(const QVariant& v) {
    return *static_cast<const T*>(v.constData());
}

// "yyyy-mm-dd" read and written by hand: tables hold thousands of dates and
// the general parser costs far more. DataIso gives a null date for any other
// text, so that the caller falls back to the parser.
QDate DataIso(QStringView t) {
    if (t.size() != 10 || t[4] != u'-' || t[7] != u'-')
        return {};
    int digitos[10] = {};
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return {};
        digitos[i] = c - u'0';
    }
    const QDate d(digitos[0] * 1000 + digitos[1] * 100 + digitos[2] * 10 + digitos[3],
                  digitos[5] * 10 + digitos[6], digitos[8] * 10 + digitos[9]);
    return d.isValid() ? d : QDate();
}

QString TextoIso(QDate d) {
    if (d.year() < 1 || d.year() > 9999)
        return d.toString(Qt::ISODate);
    QString t(10, u'-');
    const auto escreve = [&](int inicio, int digitos, int valor) {
        for (int i = inicio + digitos - 1; i >= inicio; --i, valor /= 10)
            t[i] = QChar(u'0' + valor % 10);
    };
    escreve(0, 4, d.year());
    escreve(5, 2, d.month());
    escreve(8, 2, d.day());
    return t;
}

// What SQLite gives back for NULL.
QVariant Nulo() {
    return QVariant(QMetaType::fromType<QString>());
}

// The value as it is stored and read back: a qlonglong, a non-null QString, or
// NULL for an empty date. Throws for a value the field cannot hold.
QVariant Armazenado(const Campo& campo, const QVariant& v, const QString& tabela, qsizetype linha) {
    const auto recusa = [&] {
        return Falha(QStringLiteral("Valor inválido para o campo %1 da tabela %2 (linha %3): "
                                    "\"%4\"")
                         .arg(QLatin1String(campo.nome), tabela)
                         .arg(linha + 1)
                         .arg(v.toString()));
    };
    switch (campo.tipo) {
    case Tipo::Texto: {
        if (v.typeId() == QMetaType::QString && !Conteudo<QString>(v).isNull())
            return v;
        QString texto = v.isNull() ? QString() : v.toString();
        if (texto.isNull())
            texto = QLatin1String(""); // '' in the table, never NULL
        return texto;
    }
    case Tipo::Data: {
        if (v.isNull())
            return Nulo();
        QDate dia;
        if (v.typeId() == QMetaType::QDate) {
            dia = v.toDate();
            if (dia.isNull())
                return Nulo();
        } else if (v.typeId() == QMetaType::QDateTime)
            dia = v.toDateTime().date();
        else if (v.typeId() == QMetaType::QString) {
            const QString texto = v.toString();
            if (texto.isEmpty())
                return Nulo();
            dia = DataIso(texto);
            if (!dia.isValid())
                dia = QDate::fromString(texto, Qt::ISODate);
        } else {
            throw recusa();
        }
        if (!dia.isValid())
            throw recusa();
        return TextoIso(dia);
    }
    case Tipo::Inteiro: {
        bool ok = false;
        qlonglong n = 0;
        switch (v.typeId()) {
        case QMetaType::Int:
            return qlonglong(Conteudo<int>(v));
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
            n = v.toLongLong(&ok);
            break;
        case QMetaType::QString:
            n = v.toString().trimmed().toLongLong(&ok);
            break;
        default:
            break;
        }
        if (!ok)
            throw recusa();
        return n;
    }
    }
    throw recusa();
}

QString Rodizio(int n) {
    if (n < 1 || n > 30)
        throw Falha(QStringLiteral("Serviço inexistente: %1 (os códigos vão de 1 a 30)").arg(n));
    return QStringLiteral("Sv%1").arg(n);
}

QString TextoErro(const QSqlError& erro) {
    QString texto = erro.text().trimmed();
    return texto.isEmpty() ? QStringLiteral("erro desconhecido") : texto;
}

constexpr int linhasPorInsercao = 16;

// Whether two stored values are the same: both NULL, or of one type and equal.
bool MesmoValor(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.typeId() == b.typeId() && a == b;
}

bool MesmaLinha(const QVariantList& a, const QVariantList& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), MesmoValor);
}

} // namespace

struct DMGeral::Conexao {
    QString nome;
    int profundidade = 0;
    bool falhou = false;
    // The operation the open transaction carries out (Transacao::Registra),
    // and the rows it changed in each table (-1 for a text file).
    std::optional<std::pair<QString, QString>> operacao;
    std::map<QString, qint64> alteradas;
    // Each table rewritten by the transaction, as it was before.
    std::map<QString, std::shared_ptr<const DMGeral::Linhas>> antes;
    // The files the open transaction replaces, written beside their place.
    std::vector<std::unique_ptr<QSaveFile>> arquivos;
};

DMGeral::DMGeral(const QString& pastaPrincipal, const QString& pastaBackup) {
    pastas[0] = pastaPrincipal;
    pastas[1] = pastaBackup;
}

DMGeral::~DMGeral() {
    for (auto& c : conexoes)
        if (c) {
            QSqlDatabase::database(c->nome, false).close();
            QSqlDatabase::removeDatabase(c->nome);
        }
}

QString DMGeral::Pasta(Banco banco) const {
    return pastas[static_cast<int>(banco)];
}

QString DMGeral::Arquivo(Banco banco) const {
    return QDir(Pasta(banco)).filePath(QLatin1String(NomeArquivo));
}

void DMGeral::EsqueceBanco(Banco banco) {
    for (auto it = memoria.begin(); it != memoria.end();)
        it = it->first.first == static_cast<int>(banco) ? memoria.erase(it) : std::next(it);
}

void DMGeral::DefinePastaBackup(const QString& pasta) {
    Fecha(Banco::Backup);
    EsqueceBanco(Banco::Backup);
    pastas[1] = pasta;
}

QStringList DMGeral::NomesTabelas() {
    QStringList nomes{QStringLiteral("Sv"), QStringLiteral("Basico"), QStringLiteral("Hist")};
    for (int n = 1; n <= 30; ++n)
        nomes << QStringLiteral("Sv%1").arg(n);
    return nomes;
}

QString DMGeral::NomeTabela(const QString& nome) {
    QString base = nome.trimmed();
    if (base.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        base.chop(3);
    for (const QString& t : NomesTabelas())
        if (t.compare(base, Qt::CaseInsensitive) == 0)
            return t;
    throw Falha(QStringLiteral("Tabela desconhecida: %1").arg(nome));
}

QStringList DMGeral::Campos(const QString& tabela) {
    QStringList nomes;
    for (const Campo& c : CamposDe(NomeTabela(tabela)))
        nomes << QLatin1String(c.nome);
    return nomes;
}

QString DMGeral::Danificado(Banco banco, const QString& oque) const {
    if (banco == Banco::Backup)
        return QStringLiteral("A cópia de segurança em %1 não pode ser usada: %2.")
            .arg(Pasta(banco), oque);
    return QStringLiteral("O cadastro da pasta de dados %1 está danificado: %2.\n"
                          "O programa não continua, para que nada seja gravado sobre ele. "
                          "Recupere a cópia de segurança (item 14 da guia /Manutenção/, "
                          "\"Cópia de Segurança\"), que está em %3.")
        .arg(Pasta(banco), oque, Pasta(Banco::Backup));
}

void DMGeral::ConfereTabelas(QSqlDatabase& db, Banco banco) {
    // The fields of every table, in stored order, as the file declares them.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT m.name, p.name, p.type FROM sqlite_master m, "
                               "pragma_table_info(m.name) p WHERE m.type = 'table' "
                               "ORDER BY m.name, p.cid")))
        throw Falha(
            Danificado(banco, QStringLiteral("o arquivo %1 não é um banco de dados "
                                             "legível (%2)")
                                  .arg(QLatin1String(NomeArquivo), TextoErro(q.lastError()))));
    QHash<QString, QStringList> encontradas;
    while (q.next())
        encontradas[q.value(0).toString().toLower()]
            << q.value(1).toString() + QLatin1Char(' ') + q.value(2).toString();
    QStringList faltam;
    for (const QString& tabela : NomesTabelas()) {
        QStringList devidos;
        for (const Campo& campo : CamposDe(tabela))
            devidos << QLatin1String(campo.nome) + QLatin1Char(' ') +
                           QLatin1String(campo.Declarado());
        const auto it = encontradas.constFind(tabela.toLower());
        if (it == encontradas.constEnd()) {
            faltam << tabela;
            continue;
        }
        if (it->join(QLatin1Char(','))
                .compare(devidos.join(QLatin1Char(',')), Qt::CaseInsensitive) != 0)
            throw Falha(Danificado(
                banco, QStringLiteral("a tabela %1 não tem os campos do cadastro (tem %2; "
                                      "devia ter %3)")
                           .arg(tabela, it->join(QStringLiteral(", ")),
                                devidos.join(QStringLiteral(", ")))));
    }
    if (faltam.size() == NomesTabelas().size())
        throw Falha(Danificado(banco, QStringLiteral("o arquivo %1 não tem nenhuma das tabelas "
                                                     "do cadastro")
                                          .arg(QLatin1String(NomeArquivo))));
    if (!faltam.isEmpty())
        throw Falha(Danificado(banco, (faltam.size() == 1 ? QStringLiteral("falta a tabela %1")
                                                          : QStringLiteral("faltam as tabelas %1"))
                                          .arg(faltam.join(QStringLiteral(", ")))));
}

QSqlDatabase DMGeral::Banco_(Banco banco, bool cria) {
    auto& c = conexoes[static_cast<int>(banco)];
    if (c)
        return QSqlDatabase::database(c->nome, false);

    const QString pasta = Pasta(banco);
    if (!QFileInfo(pasta).isDir())
        throw Falha(QStringLiteral("A pasta do banco de dados não existe: %1").arg(pasta));
    // Opening a file that is not there would create an empty one.
    if (!cria && !QFileInfo::exists(Arquivo(banco)))
        throw Falha(Danificado(
            banco, QStringLiteral("falta o arquivo %1").arg(QLatin1String(NomeArquivo))));
    auto nova = std::make_unique<Conexao>();
    nova->nome = QStringLiteral("tarvolim-%1-%2")
                     .arg(reinterpret_cast<quintptr>(this))
                     .arg(static_cast<int>(banco));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nova->nome);
    db.setDatabaseName(Arquivo(banco));
    if (!db.open()) {
        const QString erro = TextoErro(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nova->nome);
        throw Falha(QStringLiteral("Não foi possível abrir o banco de dados %1: %2")
                        .arg(Arquivo(banco), erro));
    }
    c = std::move(nova);
    QSqlQuery q(db);
    // Closes the connection when the file cannot be used as it is.
    const auto desiste = [&] {
        q = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(c->nome);
        c.reset();
    };
    try {
        if (cria) {
            db.transaction();
            for (const QString& tabela : NomesTabelas()) {
                QStringList definicao;
                for (const Campo& campo : CamposDe(tabela))
                    definicao << QStringLiteral("%1 %2").arg(QLatin1String(campo.nome),
                                                             QLatin1String(campo.Declarado()));
                if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                                .arg(tabela, definicao.join(QStringLiteral(", ")))))
                    throw Falha(QStringLiteral("Não foi possível criar a tabela %1: %2")
                                    .arg(tabela, TextoErro(q.lastError())));
            }
            if (!db.commit())
                throw Falha(QStringLiteral("Não foi possível criar as tabelas em %1: %2")
                                .arg(Arquivo(banco), TextoErro(db.lastError())));
        }
        // Nothing is written into a file before its tables are found right.
        ConfereTabelas(db, banco);
        for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
            q.exec(QLatin1String(pragma));
        q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS HistDia ON Hist (Dia)"));
        // The change log: one entry per operation, kept through a reset and
        // a restore.
        if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS RegistroAlteracoes (Quando TEXT "
                                   "NOT NULL, Operacao TEXT NOT NULL, Argumentos TEXT NOT NULL, "
                                   "Alteracoes TEXT NOT NULL)")))
            throw Falha(QStringLiteral("Não foi possível criar a tabela RegistroAlteracoes: %1")
                            .arg(TextoErro(q.lastError())));
        // The text files a transaction replaces, until they are in place.
        if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Pendencias (Arquivo TEXT NOT NULL, "
                                   "Conteudo BLOB NOT NULL)")))
            throw Falha(QStringLiteral("Não foi possível criar a tabela Pendencias: %1")
                            .arg(TextoErro(q.lastError())));
        // A failure here is tried again at the next opening.
        ConcluiPendencias(banco);
    } catch (const Falha&) {
        desiste();
        throw;
    }
    return db;
}

void DMGeral::Fecha(Banco banco) {
    auto& c = conexoes[static_cast<int>(banco)];
    if (!c)
        return;
    if (c->profundidade > 0)
        throw Falha(QStringLiteral("O banco de dados não pode ser fechado durante uma gravação."));
    QSqlDatabase::database(c->nome, false).close();
    QSqlDatabase::removeDatabase(c->nome);
    c.reset();
}

void DMGeral::Esquece() {
    for (const Banco banco : {Banco::Principal, Banco::Backup})
        Fecha(banco);
    memoria.clear();
}

void DMGeral::ConfereIntegridade(Banco banco) {
    QSqlQuery q = Prepara(banco, QStringLiteral("PRAGMA integrity_check"));
    Executa(q, QLatin1String(NomeArquivo));
    QStringList achados;
    while (q.next() && achados.size() < 5)
        achados << q.value(0).toString();
    if (achados != QStringList{QStringLiteral("ok")})
        throw Falha(Danificado(
            banco, QStringLiteral("o arquivo %1 está corrompido (%2)")
                       .arg(QLatin1String(NomeArquivo), achados.join(QStringLiteral("; ")))));
}

void DMGeral::CriaBanco(Banco banco) {
    Fecha(banco);
    EsqueceBanco(banco);
    // A journal left beside the old file belongs to it, not to the new one.
    for (const char* sufixo : {"", "-wal", "-shm", "-journal"}) {
        const QString arquivo = Arquivo(banco) + QLatin1String(sufixo);
        if (QFileInfo::exists(arquivo) && !QFile::remove(arquivo))
            throw Falha(QStringLiteral("Não foi possível substituir o arquivo %1").arg(arquivo));
    }
    Banco_(banco, true);
}

void DMGeral::ConcluiPendencias(Banco banco) {
    QSqlQuery q = Prepara(banco, QStringLiteral("SELECT Arquivo, Conteudo FROM Pendencias"));
    Executa(q, QStringLiteral("Pendencias"));
    bool havia = false;
    while (q.next()) {
        havia = true;
        const QString nome = q.value(0).toString();
        try {
            ArquivoTexto::GravaBytes(QDir(Pasta(banco)).filePath(nome), q.value(1).toByteArray(),
                                     AbreArquivo);
        } catch (const Falha& f) {
            throw Falha(QStringLiteral("A última gravação foi interrompida e o arquivo %1 não "
                                       "pôde ser completado.\n%2")
                            .arg(nome, f.Mensagem()));
        }
    }
    q.finish();
    if (havia)
        ApagaPendencias(banco);
}

void DMGeral::ApagaPendencias(Banco banco) {
    QSqlQuery q = Prepara(banco, QStringLiteral("DELETE FROM Pendencias"));
    Executa(q, QStringLiteral("Pendencias"));
}

void DMGeral::Prepara(Banco banco) {
    Banco_(banco);
}

QSqlQuery DMGeral::Prepara(Banco banco, const QString& sql) {
    QSqlQuery q(Banco_(banco));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw Falha(
            QStringLiteral("Erro no banco de dados: %1\n(%2)").arg(TextoErro(q.lastError()), sql));
    return q;
}

void DMGeral::Executa(QSqlQuery& q, const QString& contexto) {
    if (!q.exec())
        throw Falha(QStringLiteral("Erro no banco de dados (%1): %2")
                        .arg(contexto, TextoErro(q.lastError())));
}

void DMGeral::ExecutaComando(const QString& sql, const QVariantList& valores,
                             const QString& contexto) {
    // contexto names the table the statement changes.
    EsqueceTabela(Banco::Principal, contexto);
    Transacao t(*this, Banco::Principal);
    QSqlQuery q = Prepara(Banco::Principal, sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    Executa(q, contexto);
    Conta(Banco::Principal, contexto, q.numRowsAffected());
    t.Confirma();
}

void DMGeral::Conta(Banco banco, const QString& tabela, qint64 linhas) {
    auto& c = conexoes[static_cast<int>(banco)];
    if (c && c->profundidade > 0 && linhas > 0)
        c->alteradas[tabela] += linhas;
}

void DMGeral::GravaRegistro(Banco banco) {
    auto& c = *conexoes[static_cast<int>(banco)];
    // A table rewritten by the operation counts the rows that differ from
    // what it held before (read again when a statement changed it since).
    for (const auto& [tabela, antigas] : c.antes) {
        AbreTabela(banco, tabela);
        const QList<QVariantList>& a = antigas->linhas;
        const QList<QVariantList>& b =
            memoria.at(std::make_pair(static_cast<int>(banco), tabela))->linhas;
        qint64 n = qAbs(a.size() - b.size());
        for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i)
            n += MesmaLinha(a[i], b[i]) ? 0 : 1;
        if (n > 0)
            c.alteradas[tabela] = n;
        else
            c.alteradas.erase(tabela);
    }
    QStringList alteracoes;
    for (const auto& [tabela, linhas] : c.alteradas)
        alteracoes << (linhas < 0 ? tabela + QStringLiteral(" (arquivo)")
                                  : QStringLiteral("%1: %2").arg(tabela).arg(linhas));
    QSqlQuery q = Prepara(banco, QStringLiteral("INSERT INTO RegistroAlteracoes (Quando, "
                                                "Operacao, Argumentos, Alteracoes) VALUES "
                                                "(?, ?, ?, ?)"));
    q.addBindValue(QDateTime::currentDateTime().toString(Qt::ISODate));
    q.addBindValue(c.operacao->first);
    q.addBindValue(c.operacao->second);
    q.addBindValue(alteracoes.isEmpty() ? QStringLiteral("nenhuma linha")
                                        : alteracoes.join(QStringLiteral("; ")));
    Executa(q, QStringLiteral("RegistroAlteracoes"));
}

QList<DMGeral::EntradaRegistro> DMGeral::ConsultaRegistro(std::optional<Data> de,
                                                          std::optional<Data> ate) {
    QSqlQuery q = Prepara(Banco::Principal,
                          QStringLiteral("SELECT Quando, Operacao, Argumentos, Alteracoes FROM "
                                         "RegistroAlteracoes WHERE (? IS NULL OR substr(Quando, "
                                         "1, 10) >= ?) AND (? IS NULL OR substr(Quando, 1, 10) "
                                         "<= ?) ORDER BY rowid"));
    for (const auto& limite : {de, ate}) {
        const QVariant v = limite ? QVariant(TextoIso(limite->ParaQDate())) : Nulo();
        q.addBindValue(v);
        q.addBindValue(v);
    }
    Executa(q, QStringLiteral("RegistroAlteracoes"));
    QList<EntradaRegistro> entradas;
    while (q.next())
        entradas.append({QDateTime::fromString(q.value(0).toString(), Qt::ISODate),
                         q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return entradas;
}

// --- Transactions ---

void DMGeral::IniciaTransacao(Banco banco) {
    QSqlDatabase db = Banco_(banco);
    auto& c = *conexoes[static_cast<int>(banco)];
    if (c.profundidade == 0) {
        if (!db.transaction())
            throw Falha(QStringLiteral("Erro no banco de dados ao iniciar a gravação: %1")
                            .arg(TextoErro(db.lastError())));
        c.falhou = false;
        c.operacao.reset();
        c.alteradas.clear();
        c.antes.clear();
    }
    ++c.profundidade;
}

void DMGeral::ConfirmaTransacao(Banco banco) {
    QSqlDatabase db = Banco_(banco);
    auto& c = *conexoes[static_cast<int>(banco)];
    if (--c.profundidade > 0)
        return;
    auto arquivos = std::move(c.arquivos);
    c.arquivos.clear();
    if (c.falhou) {
        db.rollback();
        EsqueceBanco(banco);
        throw Falha(QStringLiteral("A gravação foi interrompida e desfeita; nada foi alterado."));
    }
    if (c.operacao) {
        try {
            GravaRegistro(banco);
        } catch (const Falha&) {
            db.rollback();
            EsqueceBanco(banco);
            throw;
        }
    }
    if (!arquivos.empty() && AoGravar)
        AoGravar("arquivos preparados");
    if (!db.commit()) {
        const QString erro = TextoErro(db.lastError());
        db.rollback();
        EsqueceBanco(banco);
        throw Falha(QStringLiteral("Erro no banco de dados ao gravar: %1").arg(erro));
    }
    if (arquivos.empty())
        return;
    if (AoGravar)
        AoGravar("tabelas gravadas");
    // The tables are new: the files follow. One that cannot be put in place now
    // is still recorded, and the next opening of the database finishes it.
    for (auto& arquivo : arquivos) {
        try {
            ArquivoTexto::Conclui(*arquivo);
        } catch (const Falha& f) {
            throw Falha(QStringLiteral("As tabelas foram gravadas, mas o arquivo %1 não: %2\n"
                                       "Ele será completado quando o programa for aberto de novo.")
                            .arg(QFileInfo(arquivo->fileName()).fileName(), f.Mensagem()));
        }
    }
    if (AoGravar)
        AoGravar("arquivos no lugar");
    ApagaPendencias(banco);
    if (AoGravar)
        AoGravar("pendencias apagadas");
}

void DMGeral::DesfazTransacao(Banco banco) {
    auto& c = *conexoes[static_cast<int>(banco)];
    c.falhou = true;
    EsqueceBanco(banco);
    if (--c.profundidade == 0) {
        c.arquivos.clear(); // the files stay as they were
        QSqlDatabase::database(c.nome, false).rollback();
    }
}

DMGeral::Transacao::Transacao(DMGeral& d, Banco b) : dm(d), banco(b) {
    dm.IniciaTransacao(banco);
}

DMGeral::Transacao::~Transacao() {
    if (!feita)
        dm.DesfazTransacao(banco);
}

void DMGeral::Transacao::Confirma() {
    feita = true;
    dm.ConfirmaTransacao(banco);
}

void DMGeral::Transacao::GravaArquivo(const QString& nome, const QStringList& linhas) {
    GravaBytes(nome, ArquivoTexto::Codifica(linhas));
}

void DMGeral::Transacao::Registra(const QString& operacao, const QString& argumentos) {
    auto& c = *dm.conexoes[static_cast<int>(banco)];
    if (!c.operacao)
        c.operacao.emplace(operacao, argumentos);
}

void DMGeral::Transacao::GravaBytes(const QString& nome, const QByteArray& bytes) {
    auto& c = *dm.conexoes[static_cast<int>(banco)];
    c.alteradas[nome] = -1;
    c.arquivos.push_back(
        ArquivoTexto::Prepara(QDir(dm.Pasta(banco)).filePath(nome), bytes, dm.AbreArquivo));
    QSqlQuery q = dm.Prepara(
        banco, QStringLiteral("INSERT INTO Pendencias (Arquivo, Conteudo) VALUES (?, ?)"));
    q.addBindValue(nome);
    // An empty file is an empty value, not NULL.
    q.addBindValue(bytes.isNull() ? QByteArray("", 0) : bytes);
    dm.Executa(q, QStringLiteral("Pendencias"));
}

// --- Tables ---

std::shared_ptr<DMGeral::Linhas> DMGeral::LeTudo(QSqlQuery& q, bool comRowid) {
    auto dados = std::make_shared<Linhas>();
    const QSqlRecord r = q.record();
    const int primeiro = comRowid ? 1 : 0;
    for (int i = primeiro; i < r.count(); ++i) {
        dados->campos << r.fieldName(i);
        dados->indices.insert(r.fieldName(i).toLower(), i - primeiro);
        dados->indices.insert(r.fieldName(i), i - primeiro);
    }
    while (q.next()) {
        if (comRowid)
            dados->rowids << q.value(0).toLongLong();
        QVariantList linha;
        linha.reserve(r.count() - primeiro);
        for (int i = primeiro; i < r.count(); ++i)
            linha << q.value(i);
        dados->linhas << std::move(linha);
    }
    return dados;
}

DMGeral::Cursor::Cursor(std::shared_ptr<const Linhas> linhas) : dados(std::move(linhas)) {}

bool DMGeral::Cursor::Proximo() {
    return ++atual < dados->linhas.size();
}

int DMGeral::Cursor::Indice(const QString& campo) const {
    // Fields are read by their own names; other spellings of the case work too.
    auto it = dados->indices.constFind(campo);
    if (it == dados->indices.constEnd())
        it = dados->indices.constFind(campo.toLower());
    if (it == dados->indices.constEnd())
        throw Falha(QStringLiteral("Campo inexistente: %1").arg(campo));
    return *it;
}

QStringList DMGeral::Cursor::Colunas() const {
    return dados->campos;
}

QVariant DMGeral::Cursor::Valor(const QString& campo) const {
    return dados->linhas[atual].value(Indice(campo));
}

bool DMGeral::Cursor::Vazio(const QString& campo) const {
    const QVariant v = Valor(campo);
    return v.isNull() || v.toString().isEmpty();
}

QString DMGeral::Cursor::Texto(const QString& campo) const {
    return Texto(Indice(campo));
}

QString DMGeral::Cursor::Texto(int indice) const {
    const QVariant& v = dados->linhas[atual][indice];
    return v.isNull() ? QString() : v.toString();
}

int DMGeral::Cursor::Inteiro(const QString& campo) const {
    return Inteiro(Indice(campo));
}

int DMGeral::Cursor::Inteiro(int indice) const {
    if (const auto n = InteiroValido(indice))
        return *n;
    throw Falha(QStringLiteral("\"%1\" não é um número inteiro válido (campo %2)")
                    .arg(dados->linhas[atual][indice].toString(), dados->campos.value(indice)));
}

std::optional<int> DMGeral::Cursor::InteiroValido(int indice) const {
    const QVariant& v = dados->linhas[atual][indice];
    if (v.isNull())
        return 0;
    bool ok = true;
    qlonglong n = 0;
    switch (v.typeId()) {
    case QMetaType::LongLong: // what SQLite returns for an integer
        n = Conteudo<qlonglong>(v);
        break;
    case QMetaType::Int:
        return Conteudo<int>(v);
    default:
        n = v.toString().trimmed().toLongLong(&ok);
    }
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(n);
}

Data DMGeral::Cursor::DataCampo(const QString& campo) const {
    return DataCampo(Indice(campo), campo);
}

Data DMGeral::Cursor::DataCampo(int indice, const QString& campo) const {
    const QVariant& v = dados->linhas[atual][indice];
    if (v.isNull())
        return Data();
    const QString texto = v.toString();
    if (texto.isEmpty())
        return Data();
    const QStringView dia = QStringView(texto).left(10);
    QDate d = DataIso(dia);
    if (!d.isValid())
        d = QDate::fromString(dia.toString(), Qt::ISODate);
    if (!d.isValid())
        throw Falha(
            QStringLiteral("\"%1\" não é uma data válida (campo %2)").arg(v.toString(), campo));
    return Data::DeQDate(d);
}

DMGeral::Cursor DMGeral::AbreTabela(Banco banco, const QString& nome) {
    const QString tabela = NomeTabela(nome);
    const auto chave = std::make_pair(static_cast<int>(banco), tabela);
    if (const auto it = memoria.find(chave); it != memoria.end())
        return Cursor(it->second);
    QSqlQuery q =
        Prepara(banco, QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(tabela));
    Executa(q, tabela);
    std::shared_ptr<const Linhas> dados = LeTudo(q, true);
    memoria[chave] = dados;
    return Cursor(dados);
}

void DMGeral::EsqueceTabela(Banco banco, const QString& tabela) {
    memoria.erase(std::make_pair(static_cast<int>(banco), tabela));
}

qint64 DMGeral::ContaLinhas(Banco banco, const QString& nome) {
    const QString tabela = NomeTabela(nome);
    QSqlQuery q = Prepara(banco, QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabela));
    Executa(q, tabela);
    return q.next() ? q.value(0).toLongLong() : 0;
}

void DMGeral::SubstituiLinhas(Banco banco, const QString& nome, const QList<QVariantList>& linhas) {
    const QString tabela = NomeTabela(nome);
    const QList<Campo>& definicao = CamposDe(tabela);
    const QStringList campos = Campos(tabela);
    // Every value as the table holds it, before anything is written: this is
    // also what a read would return.
    auto escritas = std::make_shared<Linhas>();
    for (int i = 0; i < campos.size(); ++i) {
        escritas->campos << campos[i];
        escritas->indices.insert(campos[i].toLower(), i);
        escritas->indices.insert(campos[i], i);
    }
    escritas->linhas.reserve(linhas.size());
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QVariantList& linha = linhas[i];
        if (linha.size() != campos.size())
            throw Falha(QStringLiteral("Linha com %1 campos para a tabela %2 (%3 campos)")
                            .arg(linha.size())
                            .arg(tabela)
                            .arg(campos.size()));
        QVariantList armazenada;
        armazenada.reserve(linha.size());
        for (qsizetype k = 0; k < linha.size(); ++k)
            armazenada << Armazenado(definicao[k], linha[k], tabela, i);
        escritas->linhas << std::move(armazenada);
    }

    const auto chave = std::make_pair(static_cast<int>(banco), tabela);
    auto conhecida = memoria.find(chave);
    if (conhecida == memoria.end() ||
        conhecida->second->rowids.size() != conhecida->second->linhas.size()) {
        // The rows the table holds now, to write and count what differs.
        EsqueceTabela(banco, tabela);
        AbreTabela(banco, tabela);
        conhecida = memoria.find(chave);
    }
    const std::shared_ptr<const Linhas> antigas = conhecida->second;
    const qsizetype comuns = qMin(antigas->linhas.size(), escritas->linhas.size());
    QList<qsizetype> mudadas;
    for (qsizetype i = 0; i < comuns; ++i)
        if (!MesmaLinha(antigas->linhas[i], escritas->linhas[i]))
            mudadas << i;
    // The table holds these rows already: it stays the same object, so that
    // what was loaded from it is known to be current.
    if (mudadas.isEmpty() && antigas->linhas.size() == escritas->linhas.size())
        return;
    Transacao t(*this, banco);
    // The change log counts the rows that differ when the operation ends.
    conexoes[static_cast<int>(banco)]->antes.emplace(tabela, antigas);
    if (!GravaDiferencas(banco, tabela, *antigas, mudadas, *escritas))
        GravaTudo(banco, tabela, *escritas);
    memoria[chave] = std::move(escritas);
    t.Confirma();
}

// Appends linhas[desde..] with the rowids that follow ultimoRowid, several rows
// per statement.
void DMGeral::InsereLinhas(Banco banco, const QString& tabela, Linhas& novas, qsizetype desde,
                           qint64 ultimoRowid) {
    const QStringList campos = Campos(tabela);
    const QString marcadores =
        QStringLiteral("(") + QStringList(campos.size() + 1, QStringLiteral("?")).join(',') + ')';
    const auto consultaPara = [&](int quantas) {
        return Prepara(
            banco, QStringLiteral("INSERT INTO %1 (rowid,%2) VALUES %3")
                       .arg(tabela, campos.join(','), QStringList(quantas, marcadores).join(',')));
    };
    const QList<QVariantList>& valores = novas.linhas;
    novas.rowids.resize(desde);
    std::optional<QSqlQuery> cheia;
    for (qsizetype inicio = desde; inicio < valores.size(); inicio += linhasPorInsercao) {
        const int quantas =
            static_cast<int>(qMin<qsizetype>(linhasPorInsercao, valores.size() - inicio));
        QSqlQuery parcial;
        QSqlQuery* q;
        if (quantas == linhasPorInsercao) {
            if (!cheia)
                cheia = consultaPara(quantas);
            q = &*cheia;
        } else {
            parcial = consultaPara(quantas);
            q = &parcial;
        }
        int posicao = 0;
        for (qsizetype i = inicio; i < inicio + quantas; ++i) {
            novas.rowids << ++ultimoRowid;
            q->bindValue(posicao++, ultimoRowid);
            for (const QVariant& v : valores[i])
                q->bindValue(posicao++, v);
        }
        Executa(*q, tabela);
    }
}

void DMGeral::GravaTudo(Banco banco, const QString& tabela, Linhas& novas) {
    QSqlQuery apaga = Prepara(banco, QStringLiteral("DELETE FROM %1").arg(tabela));
    Executa(apaga, tabela);
    InsereLinhas(banco, tabela, novas, 0, 0);
}

bool DMGeral::GravaDiferencas(Banco banco, const QString& tabela, const Linhas& antigas,
                              const QList<qsizetype>& mudadas, Linhas& novas) {
    const qsizetype comuns = qMin(antigas.linhas.size(), novas.linhas.size());
    if (comuns == 0)
        return false;
    // One update costs about what a few rows of a whole rewrite cost.
    if (mudadas.size() * 4 > novas.linhas.size())
        return false;
    if (!mudadas.isEmpty()) {
        QStringList atribuicoes;
        for (const QString& campo : Campos(tabela))
            atribuicoes << campo + QStringLiteral("=?");
        QSqlQuery q = Prepara(
            banco,
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(tabela, atribuicoes.join(',')));
        for (const qsizetype i : mudadas) {
            int posicao = 0;
            for (const QVariant& v : novas.linhas[i])
                q.bindValue(posicao++, v);
            q.bindValue(posicao, antigas.rowids[i]);
            Executa(q, tabela);
        }
    }
    if (antigas.linhas.size() > comuns) {
        QSqlQuery q = Prepara(banco, QStringLiteral("DELETE FROM %1 WHERE rowid>?").arg(tabela));
        q.addBindValue(antigas.rowids[comuns - 1]);
        Executa(q, tabela);
    }
    novas.rowids = antigas.rowids.mid(0, comuns);
    InsereLinhas(banco, tabela, novas, comuns, antigas.rowids[comuns - 1]);
    return true;
}

// --- Statements ---

QList<LinhaHist> DMGeral::ConsultaHist(const FiltroHist& f) {
    QStringList condicoes;
    QVariantList valores;
    if (f.Desde) {
        condicoes << QStringLiteral("Dia >= ?");
        valores << f.Desde->ParaQDate();
    }
    if (f.Ate) {
        condicoes << QStringLiteral("Dia <= ?");
        valores << f.Ate->ParaQDate();
    }
    if (f.CodSv != 0) {
        condicoes << QStringLiteral("CodSv = ?");
        valores << f.CodSv;
    }
    if (!f.Servicos.isEmpty()) {
        QStringList marcas;
        for (int sv : f.Servicos) {
            marcas << QStringLiteral("?");
            valores << sv;
        }
        condicoes << QStringLiteral("CodSv IN (%1)").arg(marcas.join(QLatin1Char(',')));
    }
    if (!f.PtVm.isEmpty()) {
        condicoes << QStringLiteral("PtVm = ?");
        valores << f.PtVm;
    }
    if (!f.Num.isEmpty()) {
        // The person stands in the blank-separated list: alone, first, in the
        // middle or last.
        condicoes << QStringLiteral("instr(' ' || Num || ' ', ' ' || ? || ' ') > 0");
        valores << f.Num;
    }
    QString sql = QStringLiteral("SELECT * FROM Hist");
    if (!condicoes.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicoes.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY rowid");
    QSqlQuery q = Prepara(Banco::Principal, sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    Executa(q, QStringLiteral("Hist"));
    Cursor c(LeTudo(q));
    QList<LinhaHist> linhas;
    while (c.Proximo())
        linhas.append({c.DataCampo(QStringLiteral("Dia")), c.Inteiro(QStringLiteral("CodSv")),
                       c.Texto(QStringLiteral("Descr")), c.Texto(QStringLiteral("Num")),
                       c.Texto(QStringLiteral("PtVm"))});
    return linhas;
}

bool DMGeral::NumeroNoHistorico(const QString& num) {
    QSqlQuery q =
        Prepara(Banco::Principal,
                QStringLiteral("SELECT 1 FROM Hist WHERE instr(' ' || Num || ' ', ' ' || ? || ' ') "
                               "> 0 LIMIT 1"));
    q.addBindValue(num);
    Executa(q, QStringLiteral("Hist"));
    return q.next();
}

void DMGeral::ApagaHistAPartirDe(Data dia) {
    ExecutaComando(QStringLiteral("DELETE FROM Hist WHERE Dia >= ?"), {dia.ParaQDate()},
                   QStringLiteral("Hist"));
}

void DMGeral::ApagaHistAntesDe(Data dia) {
    ExecutaComando(QStringLiteral("DELETE FROM Hist WHERE Dia < ?"), {dia.ParaQDate()},
                   QStringLiteral("Hist"));
}

void DMGeral::ApagaHistDepoisDe(Data dia) {
    ExecutaComando(QStringLiteral("DELETE FROM Hist WHERE Dia > ?"), {dia.ParaQDate()},
                   QStringLiteral("Hist"));
}

void DMGeral::EsvaziaTabela(const QString& nome) {
    const QString tabela = NomeTabela(nome);
    ExecutaComando(QStringLiteral("DELETE FROM %1").arg(tabela), {}, tabela);
}

void DMGeral::ReiniciaBasico() {
    ExecutaComando(QStringLiteral("UPDATE Basico SET PR = '', USv = ?"),
                   {QLatin1String(DataNuncaTexto)}, QStringLiteral("Basico"));
}

void DMGeral::ReiniciaRodizio(int n) {
    const QString t = Rodizio(n);
    ExecutaComando(QStringLiteral("UPDATE %1 SET Pt = 3, Vm = 3, USvPt = ?, USvVm = ?").arg(t),
                   {QLatin1String(DataNuncaTexto), QLatin1String(DataNuncaTexto)}, t);
}

void DMGeral::IgualaRodizio(int n) {
    const QString t = Rodizio(n);
    ExecutaComando(QStringLiteral("UPDATE %1 SET Pt = 3, Vm = 3").arg(t), {}, t);
}

void DMGeral::ZeraRodizio(int n) {
    const QString t = Rodizio(n);
    ExecutaComando(QStringLiteral("UPDATE %1 SET Pt = 0, Vm = 0, USvPt = ?, USvVm = ?").arg(t),
                   {QLatin1String(DataNuncaTexto), QLatin1String(DataNuncaTexto)}, t);
}

DMGeral::Cursor DMGeral::ConsultaBasico() {
    return AbreTabela(Banco::Principal, QStringLiteral("Basico"));
}

DMGeral::Cursor DMGeral::ConsultaBasicoPorNum(const QString& num) {
    QSqlQuery q = Prepara(Banco::Principal, SqlBasicoPorNum());
    q.addBindValue(num);
    Executa(q, QStringLiteral("Basico"));
    return Cursor(LeTudo(q));
}

DMGeral::Cursor DMGeral::ConsultaBasicoPorPR(const QString& pr, bool igual) {
    QSqlQuery q = Prepara(Banco::Principal, SqlBasicoPorPR(igual));
    q.addBindValue(pr);
    Executa(q, QStringLiteral("Basico"));
    return Cursor(LeTudo(q));
}

QStringList DMGeral::ColunasSvNBasico() {
    return {QStringLiteral("Num"),
            QStringLiteral("PstGrd"),
            QStringLiteral("Antig"),
            QStringLiteral("Nome do Militar"),
            QStringLiteral("Pt"),
            QStringLiteral("Vm"),
            QStringLiteral("PrevReal"),
            QStringLiteral("Fora Escala de"),
            QStringLiteral("Fora Escala ate"),
            QStringLiteral("Ultimos Servicos"),
            QStringLiteral("USvPt"),
            QStringLiteral("USvVm")};
}

QString DMGeral::SqlBasicoPorNum() {
    return QStringLiteral("SELECT * FROM Basico WHERE Num = ? ORDER BY rowid");
}

QString DMGeral::SqlBasicoPorNome() {
    return QStringLiteral("SELECT * FROM Basico WHERE instr(Nome, ?) > 0 ORDER BY rowid");
}

QString DMGeral::SqlBasicoPorPR(bool igual) {
    return QStringLiteral("SELECT * FROM Basico WHERE IFNULL(PR, '') %1 ? ORDER BY rowid")
        .arg(igual ? QStringLiteral("=") : QStringLiteral("<>"));
}

QSqlDatabase DMGeral::ConexaoPrincipal() {
    return Banco_(Banco::Principal);
}

void DMGeral::MudaLinha(const QString& tabela, const QString& comando, const QVariantList& valores,
                        int posicao, const QVariantList& antes) {
    const QStringList campos = Campos(tabela);
    if (antes.size() != campos.size())
        throw Falha(QStringLiteral("Linha com %1 campos para a tabela %2 (%3 campos)")
                        .arg(antes.size())
                        .arg(tabela)
                        .arg(campos.size()));
    QStringList condicoes;
    for (const QString& campo : campos)
        condicoes << campo + QStringLiteral(" IS ?");
    EsqueceTabela(Banco::Principal, tabela);
    Transacao t(*this, Banco::Principal);
    QSqlQuery q = Prepara(Banco::Principal,
                          QStringLiteral("%1 WHERE rowid = (SELECT rowid FROM %2 ORDER BY rowid "
                                         "LIMIT 1 OFFSET ?) AND %3")
                              .arg(comando, tabela, condicoes.join(QStringLiteral(" AND "))));
    for (const QVariant& v : valores)
        q.addBindValue(v);
    q.addBindValue(posicao);
    // The old values as the table holds them: NULL stays NULL.
    for (const QVariant& v : antes)
        q.addBindValue(v.isNull() ? QVariant() : v);
    Executa(q, tabela);
    if (q.numRowsAffected() != 1)
        throw Falha(QStringLiteral("A linha %1 da tabela %2 não está mais como foi mostrada: nada "
                                   "foi gravado. Atualize a grade e tente de novo.")
                        .arg(posicao + 1)
                        .arg(tabela));
    Conta(Banco::Principal, tabela, 1);
    t.Confirma();
}

void DMGeral::AlteraLinha(const QString& nome, int posicao, const QVariantList& antes,
                          const QVariantList& depois) {
    const QString tabela = NomeTabela(nome);
    const QList<Campo>& definicao = CamposDe(tabela);
    if (depois.size() != definicao.size())
        throw Falha(QStringLiteral("Linha com %1 campos para a tabela %2 (%3 campos)")
                        .arg(depois.size())
                        .arg(tabela)
                        .arg(definicao.size()));
    QStringList atribuicoes;
    QVariantList valores;
    for (qsizetype k = 0; k < depois.size(); ++k) {
        atribuicoes << QLatin1String(definicao[k].nome) + QStringLiteral(" = ?");
        valores << Armazenado(definicao[k], depois[k], tabela, posicao);
    }
    MudaLinha(
        tabela,
        QStringLiteral("UPDATE %1 SET %2").arg(tabela, atribuicoes.join(QStringLiteral(", "))),
        valores, posicao, antes);
}

void DMGeral::ApagaLinha(const QString& nome, int posicao, const QVariantList& antes) {
    const QString tabela = NomeTabela(nome);
    MudaLinha(tabela, QStringLiteral("DELETE FROM %1").arg(tabela), {}, posicao, antes);
}

QString DMGeral::SqlSvNBasico(int n) {
    const QString t = Rodizio(n);
    // Each lookup column takes the first Basico row of the same number.
    const auto busca = [](const char* campo) {
        return QStringLiteral("(SELECT b.%1 FROM Basico b WHERE b.Num = s.Num ORDER BY b.rowid "
                              "LIMIT 1)")
            .arg(QLatin1String(campo));
    };
    const QString sql =
        QStringLiteral("SELECT s.Num AS \"Num\", %1 AS \"PstGrd\", %2 AS \"Antig\", "
                       "%3 AS \"Nome do Militar\", s.Pt AS \"Pt\", s.Vm AS \"Vm\", "
                       "%4 AS \"PrevReal\", %5 AS \"Fora Escala de\", %6 AS \"Fora Escala ate\", "
                       "%7 AS \"Ultimos Servicos\", s.USvPt AS \"USvPt\", s.USvVm AS \"USvVm\" "
                       "FROM %8 s ORDER BY s.rowid")
            .arg(busca("PstGrd"), busca("Antig"), busca("Nome"), busca("PR"), busca("Ini"),
                 busca("Fim"), busca("USv"), t);
    return sql;
}

DMGeral::Cursor DMGeral::ConsultaSvNBasico(int n) {
    const QString t = Rodizio(n);
    QSqlQuery q = Prepara(Banco::Principal, SqlSvNBasico(n));
    Executa(q, t);
    return Cursor(LeTudo(q));
}
