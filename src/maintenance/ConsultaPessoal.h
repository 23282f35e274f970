#pragma once

#include <QString>
#include <QStringList>

struct Sistema;
struct TipoVetBas;

// The personnel lookup "Consulta Pessoal": listings and searches over the
// persons of VetBas from record 1 up to the first record without a name (at
// most 1000), in record order.

// List form: Num left-aligned in 4 places, two blanks, PstGrd, two blanks,
// Nome (the full list and the name search).
QString LinhaLista(const TipoVetBas& b);
// Search form: Num, six blanks, PstGrd, two blanks, Nome (the number and rank
// searches).
QString LinhaBusca(const TipoVetBas& b);
// The person number of a line of either form: its first six characters
// without the trailing blanks.
QString NumeroDaLinha(const QString& linha);

// The entries of the number field, in order: the texts between commas, each
// cut to its first 4 characters. Blanks are kept ("12, 7" gives "12" and
// " 7"); what follows the last comma is an entry too, empty after a trailing
// comma.
QStringList EntradasDeNumeros(const QString& texto);

// What the search button finds with the inputs the screen shows.
struct PesquisaPessoal {
    QString Numeros;    // Edit5
    QString Nome;       // Edit4
    QStringList Postos; // the ranks selected in ListBox2
    bool NumerosMostrado = true;
    bool NomeMostrado = true;
    bool PostosMostrado = true;
};

inline constexpr const char* NadaAConsultar =
    " Para consultar, você deve preencher um dos campos:\nNumero, Nome ou Posto";

class ConsultaPessoal {
public:
    explicit ConsultaPessoal(Sistema& s) : sis(s) {}

    // Activation: the ranks of PstGrd.Txt, then VetBas reloaded from the main
    // database. A missing PstGrd.Txt throws Falha before VetBas is touched.
    QStringList Ativa();

    // Every person, in list form.
    QStringList ListaCompleta() const;
    // One line in search form per entry that is some person's number, in the
    // order of the entries (an entry typed twice gives its person twice).
    QStringList ProcuraNumeros(const QString& texto) const;
    // List form, once per person whose name holds the text (capitals count; an
    // empty text is in every name).
    QStringList ProcuraNome(const QString& parte) const;
    // Search form, each person whose rank is exactly one of the ranks.
    QStringList ProcuraPostos(const QStringList& postos) const;

    // The search button: the number, name and rank searches of the inputs
    // shown, in that order; the last one that runs gives the lines. With no
    // rank selected and both fields empty (shown or not) it is refused with
    // NadaAConsultar.
    QStringList Procura(const PesquisaPessoal& p) const;

private:
    // Records 1.. up to the first without a name.
    int UltimoMilitar() const;

    Sistema& sis;
};
