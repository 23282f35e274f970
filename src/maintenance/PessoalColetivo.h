#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class JanelaCorrigePstGrd;
struct Sistema;

// One person as the collective screen's grids and list hold him: number,
// rank, name and duty list ("1,3,5"; empty: no duty). In the rejection grid,
// Observacoes says why the row was turned down.
struct LinhaColetiva {
    QString Num;
    QString PstGrd;
    QString Nome;
    QString Servicos;
    QString Observacoes;

    bool operator==(const LinhaColetiva&) const = default;
};

// The operation chosen in "Cadastro de Pessoal".
enum class OperacaoColetiva { Nenhuma, Incluir, Excluir, Alterar };

// The row check of a duty list: clears every Sel mark, then marks each duty
// of the list. A code that is not a number of 1 to 30 or names no defined
// duty rejects the list (nothing is left marked outside the 30 slots).
// Returns the list ascending without repeats, or nothing when rejected.
std::optional<QString> ConfereListaSv(Sistema& s, const QString& lista);

// The work of the collective personnel screen: registering many persons with
// their duties, removing many, altering the rank, name and duties of many.
// Every operation writes its rotations and Basico in one transaction.
class CadastroColetivo {
public:
    CadastroColetivo(Sistema& s, JanelaCorrigePstGrd& correcao);

    // Activation: nothing chosen, no flag set, VetBas reloaded.
    void Abre();
    // Choosing an operation; removal and alteration read the register and
    // rebuild the person list.
    void Escolhe(OperacaoColetiva operacao);
    OperacaoColetiva Operacao() const { return operacao; }

    // The person list: a heading, then one person per registered slot in
    // VetBas order (at most 500) with the defined duties he competes for.
    static QString Cabecalho();
    static QString LinhaDaRelacao(const LinhaColetiva& militar);
    const QList<LinhaColetiva>& Relacao() const { return relacao; }

    // "Incluir": registers the rows (read up to the first one without number
    // and name), each with the entry counters in its duties. Returns the
    // rejected rows with their reason, in order. The operator is asked about a
    // number still in the history, and about unknown rank spellings.
    QList<LinhaColetiva> Inclui(const QList<LinhaColetiva>& linhas);
    // "Alterar": the rank and name of each row's person; when his duty list
    // changed, the entry counters in every duty of the new list and his row
    // removed from the others.
    QList<LinhaColetiva> Altera(const QList<LinhaColetiva>& linhas);
    // "Executar de Novo": the corrected rejected rows, through the operation
    // chosen (inclusion or alteration; any other does nothing).
    QList<LinhaColetiva> ExecutaDeNovo(const QList<LinhaColetiva>& linhas);

    // "Excluir": the persons of the list positions given (0 for the first
    // person, after the heading) leave Basico and every rotation; the list is
    // rebuilt. Their history stays.
    void Exclui(const QList<int>& posicoes);
    // "Agrupar Selecionados": the persons of those positions, in list order,
    // as rows of the work grid.
    QList<LinhaColetiva> Agrupa(QList<int> posicoes) const;

    // Closing: the rank models table is saved when the correction dialog
    // taught it a spelling, and the seniority reminder follows an inclusion.
    void Fecha();

private:
    // Reads the register the operation works on: duties, rotations, persons,
    // the sibling summaries and the rank models.
    void Prepara();
    // One row of an inclusion or an alteration: nothing when it was taken,
    // else the line for the rejection grid with its reason.
    std::optional<LinhaColetiva> IncluiLinha(const LinhaColetiva& l);
    std::optional<LinhaColetiva> AlteraLinha(const LinhaColetiva& l);
    // The defined duties marked Sel "S" get the person with the entry
    // counters for lista; the others lose his row. Empty when applied, else
    // why it cannot be (a full rotation); nothing changed then.
    QString AplicaServicos(const QString& num, const QString& lista);
    // Rank form check, cut of the fields, and the rotations with Basico in one
    // transaction.
    void Conclui();
    QList<LinhaColetiva> Executa(const QList<LinhaColetiva>& linhas, bool inclusao);
    void MontaRelacao();

    Sistema& sis;
    JanelaCorrigePstGrd& correcao;
    OperacaoColetiva operacao = OperacaoColetiva::Nenhuma;
    QList<LinhaColetiva> relacao;
    bool incluiu = false;
};
