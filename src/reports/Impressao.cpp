#include "reports/Impressao.h"

#include "base/Falha.h"
#include "data/PastaDados.h"
#include "model/GradeTexto.h"
#include "model/Sistema.h"

#include <cmath>

namespace {

const QString arquivoImpressao = QStringLiteral("Impressao.Txt");
const QString fonteImpressao = QStringLiteral("Arial");

} // namespace

RetratoNoFim::~RetratoNoFim() {
    impressora.DefineOrientacao(Impressora::Orientacao::Retrato);
}

int ArredondaPar(double valor) {
    const double abaixo = std::floor(valor);
    const double fracao = valor - abaixo;
    double inteiro = abaixo;
    if (fracao > 0.5 || (fracao == 0.5 && std::fmod(abaixo, 2.0) != 0.0))
        inteiro = abaixo + 1.0;
    return static_cast<int>(inteiro);
}

double EscalaDaPagina(const Impressora& impressora) {
    return impressora.LarguraPagina() / 2400.0;
}

FolhaImpressa::FolhaImpressa(Impressora& i, double escala, Cabecalho c)
    : impressora(i), k(escala), cabecalho(std::move(c)) {}

void FolhaImpressa::Inicia() {
    impressora.IniciaDocumento();
    paginas = 1;
    impressora.Fonte(fonteImpressao, ArredondaPar(k * AlturaFonte));
    y = 0;
    if (cabecalho)
        cabecalho(*this);
}

void FolhaImpressa::Termina() {
    impressora.FimDocumento();
}

void FolhaImpressa::PosicionaLinha(double linha) {
    y = linha;
}

void FolhaImpressa::Desce(double passo) {
    y += passo;
}

void FolhaImpressa::Escreve(double x, const QString& texto) {
    impressora.Texto(ArredondaPar(k * x), ArredondaPar(k * y), texto);
}

bool FolhaImpressa::Cabe(double altura) const {
    return ArredondaPar(k * (y + altura)) <= impressora.AlturaPagina();
}

void FolhaImpressa::GaranteEspaco(double altura) {
    if (!Cabe(altura))
        NovaPagina();
}

void FolhaImpressa::NovaPagina() {
    impressora.NovaPagina();
    ++paginas;
    y = 0;
    if (cabecalho)
        cabecalho(*this);
}

TextosImpressao LeTextosImpressao(const PastaDados& pasta) {
    const QStringList linhas = pasta.LeLinhas(arquivoImpressao);
    return {linhas.value(0), linhas.value(1), linhas.value(2)};
}

void GravaTextosImpressao(const PastaDados& pasta, const TextosImpressao& t) {
    pasta.GravaLinhas(arquivoImpressao, {t.PrimLin, t.SegLin, t.UltimaLin});
}

int LinhasPorPagina(const QString& texto) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (!ok)
        throw Recusa(QStringLiteral("\"%1\" não é um número inteiro: informe o número de linhas "
                                    "por página.")
                         .arg(texto));
    // Each page carries n - 1 roster lines.
    if (n < 2)
        throw Recusa(QStringLiteral("O número de linhas por página deve ser 2 ou mais (cada "
                                    "página leva uma linha a menos de escala)."));
    return n;
}

QString PeriodoDaEscala(const Sistema& s) {
    // The listing stays after a commit, which moves the last roster date and
    // empties "Escalar até:": its period is the one it was forecast for.
    const bool listada = !s.ListBox2.isEmpty() && !s.Aba.InicioListagem.Zero();
    const Data inicio = listada ? s.Aba.InicioListagem : s.UltimaEscala + 1;
    const QString fim = listada ? s.Aba.FimListagem : s.Aba.Edit1;
    return QStringLiteral("Período: ") + inicio.Texto() + QStringLiteral("  a  ") + fim;
}

void ImprimeEscala(Impressora& impressora, const QStringList& listagem,
                   const TextosImpressao& textos, const QString& periodo, int linhasPorPagina) {
    // A page narrower than 1200 units still prints at scale 1.
    const int k = std::max(1, ArredondaPar(EscalaDaPagina(impressora)));
    impressora.DefineOrientacao(Impressora::Orientacao::Retrato);
    RetratoNoFim retrato(impressora);
    int contador = 1;
    FolhaImpressa folha(impressora, k, [&](FolhaImpressa& f) {
        f.PosicionaLinha(150);
        for (const QString& linha :
             {textos.PrimLin, textos.SegLin, QStringLiteral("Escala de Serviço")}) {
            f.Escreve(950, linha);
            f.Desce(40);
        }
        f.Escreve(950, periodo);
        f.Desce(80);
        contador = 1;
    });
    folha.Inicia();
    for (int i = 1; i < listagem.size(); ++i) {
        folha.GaranteEspaco(FolhaImpressa::AlturaFonte);
        folha.Escreve(100, listagem[i]);
        folha.Desce(50);
        if (++contador >= linhasPorPagina)
            folha.NovaPagina();
    }
    folha.GaranteEspaco(200 + 50 + FolhaImpressa::AlturaFonte);
    folha.Desce(200);
    folha.Escreve(950, QStringLiteral("_________________________________"));
    folha.Desce(50);
    folha.Escreve(950, textos.UltimaLin);
    folha.Termina();
}

void ImprimeLista(Impressora& impressora, const QString& titulo, const QStringList& linhas) {
    FolhaImpressa folha(impressora, EscalaDaPagina(impressora), [&](FolhaImpressa& f) {
        f.PosicionaLinha(150);
        f.Escreve(950, titulo);
        f.Desce(80);
    });
    folha.Inicia();
    for (const QString& linha : linhas) {
        folha.GaranteEspaco(FolhaImpressa::AlturaFonte);
        folha.Escreve(100, linha);
        folha.Desce(50);
    }
    folha.Termina();
}

void ImprimeGrade(Impressora& impressora, const GradeTexto& grade) {
    // The scale of the portrait page, read before turning it.
    const double k = EscalaDaPagina(impressora);
    impressora.DefineOrientacao(Impressora::Orientacao::Paisagem);
    RetratoNoFim retrato(impressora);
    constexpr double x0 = 100, xCelula = 300 + x0;
    // A page begun inside a day repeats the day above its rows.
    QString dia;
    FolhaImpressa folha(impressora, k, [&](FolhaImpressa& f) {
        f.PosicionaLinha(150);
        f.Escreve(950, QStringLiteral("Escala de Serviços"));
        f.PosicionaLinha(200);
        if (!dia.isEmpty()) {
            f.Desce(30);
            f.Escreve(xCelula, dia);
            f.Desce(50);
        }
    });
    folha.Inicia();
    for (int c = 1; c <= 6 && c < grade.Colunas() && !grade.Cel(c, 0).isEmpty(); ++c) {
        folha.GaranteEspaco(30 + 50 + FolhaImpressa::AlturaFonte);
        dia = grade.Cel(c, 0);
        folha.Desce(30);
        folha.Escreve(xCelula, dia);
        folha.Desce(50);
        for (int r = 1; r < grade.Linhas() && r <= 1000 && !grade.Cel(c, r).isEmpty(); ++r) {
            folha.GaranteEspaco(FolhaImpressa::AlturaFonte);
            folha.Escreve(x0, grade.Cel(0, r));
            folha.Escreve(xCelula, grade.Cel(c, r));
            folha.Desce(50);
        }
        dia.clear();
    }
    folha.Termina();
}
