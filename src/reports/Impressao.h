#pragma once

#include "base/Impressora.h"

#include <QString>
#include <QStringList>
#include <functional>

class GradeTexto;
class PastaDados;
struct Sistema;

// Puts the printer back in portrait when a print ends, also after a failure:
// every print starts from portrait.
class RetratoNoFim {
public:
    explicit RetratoNoFim(Impressora& i) : impressora(i) {}
    ~RetratoNoFim();
    RetratoNoFim(const RetratoNoFim&) = delete;
    RetratoNoFim& operator=(const RetratoNoFim&) = delete;

private:
    Impressora& impressora;
};

// Rounds to the nearest whole number, a half going to the even neighbour.
int ArredondaPar(double valor);

// The scale of a print: the page width of the printer divided by 2400, as if
// the page were 2400 units wide.
double EscalaDaPagina(const Impressora& impressora);

// One document of text lines drawn down its pages. Positions are given in
// units of a page 2400 wide and drawn at k times them, rounded half to even.
// A line that would run past the bottom of the page goes to a new page, which
// begins with its heading (drawn by the heading routine from the top).
class FolhaImpressa {
public:
    using Cabecalho = std::function<void(FolhaImpressa&)>;

    // k: the scale; cabecalho draws the heading of every page.
    FolhaImpressa(Impressora& impressora, double k, Cabecalho cabecalho = {});

    // Begins the document with the font "Arial" of height k x 40 and draws
    // the first heading.
    void Inicia();
    void Termina();

    // The line of the next text, in units.
    void PosicionaLinha(double y);
    void Desce(double passo);
    double Linha() const { return y; }
    // Draws at (x, the current line).
    void Escreve(double x, const QString& texto);
    // Whether a text of this height (units) below the current line still fits.
    bool Cabe(double altura) const;
    // Begins a new page when a text of this height would not fit.
    void GaranteEspaco(double altura);
    // Begins a new page and draws its heading.
    void NovaPagina();
    int Paginas() const { return paginas; }

    // The height of the font, in units.
    static constexpr double AlturaFonte = 40;

private:
    Impressora& impressora;
    double k;
    Cabecalho cabecalho;
    double y = 0;
    int paginas = 0;
};

// The three lines of Impressao.Txt: the two header lines and the closing line
// of the printed roster.
struct TextosImpressao {
    QString PrimLin;
    QString SegLin;
    QString UltimaLin;
};
// Throws Falha naming the file when it is missing; absent lines are empty.
TextosImpressao LeTextosImpressao(const PastaDados& pasta);
void GravaTextosImpressao(const PastaDados& pasta, const TextosImpressao& textos);

// "Linhas por Página": a whole number of at least 2, or a refusal quoting it.
int LinhasPorPagina(const QString& texto);
// The header line of the period of the forecast listing: "Período: " + the day
// after the last roster date + "  a  " + "Escalar até: " as typed.
QString PeriodoDaEscala(const Sistema& s);

// "Escala": the forecast listing (from its second line) under the two header
// lines, "Escala de Serviço" and the period, linhasPorPagina - 1 lines a page,
// then the signature rule and the closing line.
void ImprimeEscala(Impressora& impressora, const QStringList& listagem,
                   const TextosImpressao& textos, const QString& periodo, int linhasPorPagina);
// "Erros", "Alertas", "Mensagens": the title, then every line of the list.
void ImprimeLista(Impressora& impressora, const QString& titulo, const QStringList& linhas);
// "Grade": the manual grid, in landscape, day by day (columns 1 to 6 up to the
// first without a day): the day, then each duty row with its cell.
void ImprimeGrade(Impressora& impressora, const GradeTexto& grade);
