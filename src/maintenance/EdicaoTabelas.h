#pragma once

#include <QList>
#include <QSqlQueryModel>
#include <QSqlTableModel>
#include <QString>
#include <memory>

class Impressora;
class JanelaCorrigePstGrd;
struct Sistema;

// A table of the main database (Sv, Basico or one SvN) shown in stored order
// and corrected in place. Dates are shown and typed "dd/mm/yy" and held as the
// store holds them (ISO or NULL); a text is cut to its field's width and never
// NULL. What the operator types stays pending until Grava, which refuses a row
// that would break the register and then writes each changed row through the
// store, so that nothing reads stale rows afterwards. The display role gives
// the text shown; the edit role the value as stored.
class ModeloTabela : public QSqlTableModel {
public:
    ModeloTabela(Sistema& s, const QString& tabela, QObject* pai = nullptr);

    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor,
                 int papel = Qt::EditRole) override;

    // Reads the whole table again; pending edits are dropped.
    void Le();
    bool Pendente() const { return !alteradas.isEmpty(); }
    // The first changed row (0-based), or -1.
    int PrimeiraAlterada() const;
    // Posts the changed rows: each is checked against the others as stored (a
    // Recusa names the first fault and nothing is written), then written.
    void Grava();
    void Cancela();
    // Deletes row linha as stored (pending edits are dropped first).
    void Apaga(int linha);

protected:
    QString selectStatement() const override;

private:
    // The row with its pending edits, in the table's field order.
    QVariantList Valores(int linha) const;
    QVariantList Originais(int linha) const;
    void Confere(int linha, QVariantList& valores) const;

    Sistema& sis;
    QString nome;
    QList<int> alteradas;
};

// A query shown read-only: the personnel searches and the rotation of one duty
// beside its persons' data. Dates are shown "dd/mm/yy".
class ModeloConsulta : public QSqlQueryModel {
public:
    using QSqlQueryModel::QSqlQueryModel;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    // Runs sql with the values bound and reads every row.
    void Executa(Sistema& s, const QString& sql, const QVariantList& valores = {});
    // The text of field campo of row linha, as shown.
    QString Texto(int linha, const QString& campo) const;
};

// The table screen's work (FEditaTabelas): four views of the tables, the
// personnel searches, the printed situation of a duty and the rank check on
// closing.
class EdicaoTabelas {
public:
    enum class Opcao { Nenhuma, Servicos, Pessoal, Rodizio, Situacao };

    explicit EdicaoTabelas(Sistema& s);
    ~EdicaoTabelas();

    Opcao Atual() const { return opcao; }
    // What the grid shows (null before the first view).
    QAbstractItemModel* Modelo() const;
    // The editable table of views 1 to 3 (null for searches and view 4).
    ModeloTabela* Tabela() const { return tabela.get(); }
    bool Editavel() const { return tabela != nullptr; }

    // View 1: table Sv; view 2: table Basico.
    void Servicos();
    void Pessoal();
    // The personnel searches of view 2 (read-only results).
    void PesquisaNum(const QString& num);
    void PesquisaNome(const QString& parte);
    // "P", "R": that absence kind; empty: every person with one ("P+R").
    void PesquisaAfastamento(const QString& pr);
    void VerTodos();
    // The view read again; pending edits are dropped.
    void Atualiza();

    // Views 3 and 4 begin by reloading VetSv for the duty chooser; then the
    // chosen duty is the lowest-coded defined duty marked Sel "S". None
    // chosen leaves the view as it was and returns false.
    void PreparaEscolha();
    bool Rodizio();
    bool Situacao();
    // The first use of view 4 in the run (its note is shown only then).
    bool PrimeiroUsoSituacao();
    int Servico() const { return servico; }
    QString Descricao() const;

    // "Impressão": the situation of the duty (view 4) in landscape, only the
    // given rows (0-based) when there are any, else every row.
    void Imprime(Impressora& impressora, QList<int> linhas) const;

    // Closing: every person's rank brought to its standard form through the
    // rank models (an unknown spelling asked of janela), the models and
    // Basico written back; the views let go of the tables.
    void Fecha(JanelaCorrigePstGrd& janela);

private:
    void Mostra(std::unique_ptr<ModeloTabela> t);
    void Mostra(const QString& sql, const QVariantList& valores);
    bool Escolhido();

    Sistema& sis;
    Opcao opcao = Opcao::Nenhuma;
    int servico = 0;
    bool situacaoUsada = false;
    std::unique_ptr<ModeloTabela> tabela;
    std::unique_ptr<ModeloConsulta> consulta;
    QString sqlConsulta;
    QVariantList valoresConsulta;
};
