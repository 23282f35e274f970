#pragma once

#include "base/Data.h"

#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QSaveFile;

// The two databases: the data folder's and the backup folder's.
enum class Banco { Principal, Backup };

// One history row as the statements return it.
struct LinhaHist {
    Data Dia;
    int CodSv = 0;
    QString Descr;
    QString Num;
    QString PtVm;
};

// Row selection of the history queries; an unset part does not restrict.
struct FiltroHist {
    std::optional<Data> Desde; // Dia >= Desde
    std::optional<Data> Ate;   // Dia <= Ate
    int CodSv = 0;             // 0 = every duty
    QList<int> Servicos;       // empty = every duty; else CodSv among them
    QString PtVm;              // empty = both kinds
    QString Num;               // empty = every person; else the person match
};

// The data module: the 33 tables of one SQLite file per database folder
// ("Tarvolim.db"). Tables are read in stored (rowid) order and rewritten whole;
// every statement is a typed call with bound parameters. Any failure throws
// Falha; a write that fails leaves its tables as they were.
//
// Stored values: an integer field holds an integer, a text field a text ('' when
// empty, never NULL), a date field its ISO text "yyyy-mm-dd" or NULL when empty.
// The table writer converts what it is handed, so no caller can store anything
// else. The database and its tables are created only by CriaBanco; opening a
// folder whose file or tables are missing, or whose tables do not have the
// register's fields, is an error.
class DMGeral {
public:
    DMGeral(const QString& pastaPrincipal, const QString& pastaBackup);
    ~DMGeral();
    DMGeral(const DMGeral&) = delete;
    DMGeral& operator=(const DMGeral&) = delete;

    static constexpr const char* NomeArquivo = "Tarvolim.db";

    QString Pasta(Banco banco) const;
    QString Arquivo(Banco banco) const;
    // Points the backup database elsewhere (closes its connection).
    void DefinePastaBackup(const QString& pasta);
    // Opens the database and checks its tables (throws Falha naming what is
    // missing or wrong); finishes a file replacement a crash interrupted.
    void Prepara(Banco banco);
    // A new database in the folder of banco, with the 33 tables empty, in place
    // of the file that is there.
    void CriaBanco(Banco banco);
    // Forgets every table read or written and closes both databases; the next
    // statement opens the files again. Every operation that replaces a database
    // file calls it first. Refused inside a transaction.
    void Esquece();
    // SQLite's own check of the whole file (PRAGMA integrity_check): throws
    // Falha quoting what it found when the file is damaged.
    void ConfereIntegridade(Banco banco);

    // "Sv.DB", "basico.db", "Sv7.DB", "Hist" ... -> "Sv", "Basico", "Sv7", "Hist".
    // Throws Falha for a name that is not one of the 33 tables.
    static QString NomeTabela(const QString& nome);
    static QStringList NomesTabelas();
    static QStringList Campos(const QString& tabela);

    // The rows of a table or a query, read whole.
    struct Linhas {
        QStringList campos;
        QHash<QString, int> indices; // by field name, and by its lower case
        QList<QVariantList> linhas;
        // The rowid of each row, for a table read or written whole.
        QList<qint64> rowids;
    };

    // Walks the rows of a table or a query; fields are read by name.
    class Cursor {
    public:
        explicit Cursor(std::shared_ptr<const Linhas> linhas);
        bool Proximo();
        QVariant Valor(const QString& campo) const;
        bool Vazio(const QString& campo) const; // NULL or ''
        QString Texto(const QString& campo) const;
        int Inteiro(const QString& campo) const;
        Data DataCampo(const QString& campo) const; // a NULL date is day 0
        Data DataCampo(int indice, const QString& campo) const;
        QStringList Colunas() const;
        // The position of a field, to read it many times by position.
        int Indice(const QString& campo) const;
        // The rows walked: the same object while the table is unchanged.
        std::shared_ptr<const void> Identidade() const { return dados; }
        QString Texto(int indice) const;
        int Inteiro(int indice) const;
        // The field as a whole number of the int range (NULL is 0); nothing
        // when it holds anything else.
        std::optional<int> InteiroValido(int indice) const;

    private:
        std::shared_ptr<const Linhas> dados;
        qsizetype atual = -1;
    };

    Cursor AbreTabela(Banco banco, const QString& nome);
    // Makes the table hold the given rows in order, in one transaction. When
    // the table as last read or written is known, only the rows that differ are
    // written (a few changed or appended rows cost that much, not the table). Each row holds the
    // table's fields in their stored order; a date goes in as a QDate or its ISO text (a null
    // QVariant, a null QDate or an empty text for an empty date), a text as anything QVariant turns
    // into a text (null is ''), an integer as a number or the text of one. A value that does not
    // convert throws Falha and nothing is written.
    void SubstituiLinhas(Banco banco, const QString& nome, const QList<QVariantList>& linhas);
    qint64 ContaLinhas(Banco banco, const QString& nome);

    // Groups several writes of one database into one transaction: commits on
    // Confirma(), rolls back when destroyed without it. Nested groups join the
    // outermost one.
    class Transacao {
    public:
        Transacao(DMGeral& dm, Banco banco);
        ~Transacao();
        void Confirma();
        // Replaces the text file nome of the database's folder together with
        // the tables. The lines are written beside the file at once (a full
        // disk refuses the whole operation here) and recorded inside the
        // transaction; the file is put in place when the outermost group
        // commits, and a later opening of the database finishes a replacement
        // that a crash interrupted. So the tables and the file are either both
        // old or both new.
        void GravaArquivo(const QString& nome, const QStringList& linhas);
        // As GravaArquivo, with the file's bytes as they are.
        void GravaBytes(const QString& nome, const QByteArray& bytes);
        // Names the operation the outermost group carries out (the first
        // name given wins): when it commits, one entry of the change log
        // records when, the operation, its arguments and how many rows of
        // which tables changed (and which text files), in the same
        // transaction, so that an operation undone leaves no entry.
        void Registra(const QString& operacao, const QString& argumentos);
        Transacao(const Transacao&) = delete;
        Transacao& operator=(const Transacao&) = delete;

    private:
        DMGeral& dm;
        Banco banco;
        bool feita = false;
    };

    // Called at each step of a commit that replaces files ("arquivos
    // preparados", "tabelas gravadas", "arquivos no lugar", "pendencias
    // apagadas"), so that tests can stop the program there.
    std::function<void(const char* passo)> AoGravar;
    // Opens the files a transaction replaces; empty for the disk itself. Tests
    // hand one that fails as a full disk does.
    std::function<std::unique_ptr<QSaveFile>(const QString& caminho)> AbreArquivo;

    // The change log, in order, of the entries made from de to ate (days;
    // an unset end does not restrict).
    struct EntradaRegistro {
        QDateTime quando;
        QString operacao, argumentos, alteracoes;
    };
    QList<EntradaRegistro> ConsultaRegistro(std::optional<Data> de = std::nullopt,
                                            std::optional<Data> ate = std::nullopt);

    // --- The statements of the system ---
    QList<LinhaHist> ConsultaHist(const FiltroHist& filtro);
    bool NumeroNoHistorico(const QString& num);
    void ApagaHistAPartirDe(Data dia); // Dia >= dia
    void ApagaHistAntesDe(Data dia);   // Dia < dia
    void ApagaHistDepoisDe(Data dia);  // Dia > dia
    void EsvaziaTabela(const QString& nome);
    // Reset keeping data: nobody absent, every last-duty list "13/05/09".
    void ReiniciaBasico();
    // Pt = Vm = 3, USvPt = USvVm = "13/05/09" in rotation n.
    void ReiniciaRodizio(int n);
    // Pt = Vm = 3 in rotation n.
    void IgualaRodizio(int n);
    // Pt = Vm = 0, USvPt = USvVm = "13/05/09" in rotation n.
    void ZeraRodizio(int n);
    // Basico rows: all, or those of one number, or by absence state.
    Cursor ConsultaBasico();
    Cursor ConsultaBasicoPorNum(const QString& num);
    Cursor ConsultaBasicoPorPR(const QString& pr, bool igual);
    // The rotation of duty n with the person's data beside each row (QSvNBasico):
    // Num, PstGrd, Antig, "Nome do Militar", Pt, Vm, PrevReal, "Fora Escala de",
    // "Fora Escala ate", "Ultimos Servicos", USvPt, USvVm.
    Cursor ConsultaSvNBasico(int n);
    static QStringList ColunasSvNBasico();

    // --- Showing and correcting one row at a time ---
    // The open connection of the main database, for Qt's models that show a
    // table or a query. They write only through AlteraLinha and ApagaLinha.
    QSqlDatabase ConexaoPrincipal();
    // The statements of the personnel and rotation views, with bound
    // parameters (?): "Basico" whose Nome contains the text (capitals and small
    // letters apart), and the rotation of duty n beside its persons' data.
    static QString SqlBasicoPorNome();
    static QString SqlBasicoPorNum();
    static QString SqlBasicoPorPR(bool igual);
    static QString SqlSvNBasico(int n);
    // Replaces the row at position posicao (0 for the first, in stored order)
    // of the main database's table by depois, when it still holds antes (both
    // in the table's field order); values converted as SubstituiLinhas does.
    // A row that is no longer there as it was throws Falha and nothing is
    // written.
    void AlteraLinha(const QString& tabela, int posicao, const QVariantList& antes,
                     const QVariantList& depois);
    // Deletes that row, on the same condition.
    void ApagaLinha(const QString& tabela, int posicao, const QVariantList& antes);

private:
    struct Conexao;
    QSqlDatabase Banco_(Banco banco, bool cria = false);
    void Fecha(Banco banco);
    // Throws Falha when a table is missing or its fields are not the register's.
    void ConfereTabelas(QSqlDatabase& db, Banco banco);
    QString Danificado(Banco banco, const QString& oque) const;
    QSqlQuery Prepara(Banco banco, const QString& sql);
    void Executa(QSqlQuery& q, const QString& contexto);
    // Runs a statement on the row at posicao that still holds antes.
    void MudaLinha(const QString& tabela, const QString& comando, const QVariantList& valores,
                   int posicao, const QVariantList& antes);
    // Reads every row a query returns; with comRowid, its first column is the
    // rowid of each row.
    static std::shared_ptr<Linhas> LeTudo(QSqlQuery& q, bool comRowid = false);
    // The two ways SubstituiLinhas writes: the whole table again, or only the
    // rows of novas that differ from antigas (false, writing nothing, when that
    // would cost more than the whole).
    void GravaTudo(Banco banco, const QString& tabela, Linhas& novas);
    bool GravaDiferencas(Banco banco, const QString& tabela, const Linhas& antigas,
                         const QList<qsizetype>& mudadas, Linhas& novas);
    // Adds to the change count of the open transaction of banco.
    void Conta(Banco banco, const QString& tabela, qint64 linhas);
    // The change log entry of the committing transaction.
    void GravaRegistro(Banco banco);
    void InsereLinhas(Banco banco, const QString& tabela, Linhas& novas, qsizetype desde,
                      qint64 ultimoRowid);
    // The tables as last read or written, so that a table read again and again
    // with no write in between costs one read. It holds what SQLite returns: a
    // written table is kept as the writer converted it, with the types a read
    // gives back. Cleared for a database whose transaction is undone.
    std::map<std::pair<int, QString>, std::shared_ptr<const Linhas>> memoria;
    void EsqueceTabela(Banco banco, const QString& tabela);
    void EsqueceBanco(Banco banco);
    void ExecutaComando(const QString& sql, const QVariantList& valores, const QString& contexto);
    // Writes the files whose replacement a committed transaction recorded, then
    // drops the records.
    void ConcluiPendencias(Banco banco);
    void ApagaPendencias(Banco banco);
    void IniciaTransacao(Banco banco);
    void ConfirmaTransacao(Banco banco);
    void DesfazTransacao(Banco banco);

    QString pastas[2];
    std::unique_ptr<Conexao> conexoes[2];
};
