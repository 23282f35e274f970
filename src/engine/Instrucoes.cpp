#include "engine/Instrucoes.h"

#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "model/Sistema.h"

namespace {

// An entry holds 30 dates; a forced window takes 2 (Folga + 1) of them.
constexpr int DatasPorRegistro = 30;
constexpr int FolgaMaximaForcada = DatasPorRegistro / 2 - 1;

const QString naoGravado = QStringLiteral(" Nada foi gravado.");

void RecusaNumeroVazio(const QString& num) {
    if (num.isEmpty())
        throw Recusa(QStringLiteral("Digite o Número do militar.") + naoGravado);
}

// The position the next entry of vetor takes; refuses when the array is full.
int EntradaLivre(const std::vector<TipoVetSgte>& vetor, const QString& lista) {
    const int livre = PrimeiraSgteLivre(vetor);
    if (livre > MaxSgte)
        throw Recusa(
            QStringLiteral("A lista de %1 está cheia (%2 registros).").arg(lista).arg(MaxSgte) +
            naoGravado);
    return livre;
}

// Closing the dialog appends every used entry of origem to VetSgte: refuses a
// new entry that would not fit there then.
void RecusaSemEspacoNoSgte(const Sistema& s, int usadosDepois) {
    const int usadosSgte = PrimeiraSgteLivre(s.VetSgte) - 1;
    if (usadosSgte + usadosDepois > MaxSgte)
        throw Recusa(QStringLiteral("A lista de bloqueios da escala está cheia (%1 registros).")
                         .arg(MaxSgte) +
                     naoGravado);
}

bool Definido(const Sistema& s, int sv) {
    return sv >= 1 && sv <= 30 && s.VetSv[sv].Definido();
}

} // namespace

Data DataLiberada() {
    return Data::DeQDate(QDate(1950, 2, 6));
}

QList<Data> DiasOferecidos(const Sistema& s) {
    QList<Data> dias;
    for (int i = 2; i < int(s.DiasPeriodo.size()) && !s.DiasPeriodo[i].Zero(); ++i)
        dias << s.DiasPeriodo[i];
    return dias;
}

QStringList ServicosOferecidos(const Sistema& s) {
    QStringList linhas;
    for (int k = 1; k <= 30; ++k)
        linhas << s.VetSv[k].Descr;
    return linhas;
}

QString NumeroDigitado(const QString& texto) {
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == QLatin1Char(' '))
        ++i;
    return texto.mid(i);
}

void MarcaServicos(Sistema& s, const QList<int>& servicos) {
    LimpaSel(s);
    for (int k : servicos)
        if (k >= 1 && k <= 30)
            s.VetSv[k].Sel = QStringLiteral("S");
}

void LiberaBloqueios(Sistema& s, const QString& num, int sv, Data dia) {
    if (sv < 1 || sv > 30)
        return;
    const int folga = s.VetSv[sv].Folga;
    const Data liberada = DataLiberada();
    for (int i = 1; i <= MaxSgte && !s.VetSgte[i].Num.isEmpty(); ++i) {
        TipoVetSgte& r = s.VetSgte[i];
        if (r.Num != num)
            continue;
        const bool comecaNoDia = r.Datas[1] == dia;
        for (int k = 1; k <= 30; ++k) {
            if (r.Sv[k] != sv)
                continue;
            for (int j = 1; j <= DatasPorRegistro; ++j)
                if (comecaNoDia || (dia - folga <= r.Datas[j] && r.Datas[j] < dia))
                    r.Datas[j] = liberada;
        }
    }
}

void RetiraMilitar(Sistema& s, const Instrucao& i) {
    const QString num = NumeroDigitado(i.Num);
    RecusaNumeroVazio(num);
    if (i.Dias.size() > DatasPorRegistro)
        throw Recusa(QStringLiteral("Selecione no máximo %1 dias: foram selecionados %2.")
                         .arg(DatasPorRegistro)
                         .arg(i.Dias.size()) +
                     naoGravado);
    const int livre = EntradaLivre(s.VetFora, QStringLiteral("militares retirados da escala"));
    RecusaSemEspacoNoSgte(s, livre);

    MarcaServicos(s, i.Servicos);
    const Data ultimo = i.Dias.isEmpty() ? Data() : i.Dias.last();
    for (int sv : i.Servicos)
        if (Definido(s, sv))
            LiberaBloqueios(s, num, sv, ultimo);

    TipoVetSgte r;
    r.Num = num;
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Definido() && s.VetSv[k].Sel == QLatin1String("S"))
            r.Sv[k] = k;
    for (int j = 0; j < i.Dias.size(); ++j)
        r.Datas[j + 1] = i.Dias[j];
    s.VetFora[livre] = r;
    LimpaSel(s);
}

void FechaRetirada(Sistema& s) {
    AcrescentaAoVetSgte(s, s.VetFora);
}

void ForcaMilitar(Sistema& s, const Instrucao& i) {
    const QString num = NumeroDigitado(i.Num);
    RecusaNumeroVazio(num);
    MarcaServicos(s, i.Servicos);
    int forcado = 0;
    for (int k = 1; k <= 30 && forcado == 0; ++k)
        if (s.VetSv[k].Definido() && s.VetSv[k].Sel == QLatin1String("S"))
            forcado = k;
    if (forcado == 0)
        throw Recusa(QStringLiteral("Selecione um Serviço.") + naoGravado);
    const int folga = s.VetSv[forcado].Folga;
    if (folga > FolgaMaximaForcada)
        throw Recusa(QStringLiteral("O Serviço %1 tem folga de %2 dias: só se pode forçar a "
                                    "escalação em serviços com folga de até %3 dias.")
                         .arg(s.VetSv[forcado].Descr)
                         .arg(folga)
                         .arg(FolgaMaximaForcada) +
                     naoGravado);
    const int livre = EntradaLivre(s.VetObriga, QStringLiteral("escalações forçadas"));
    int proxima = 1;
    while (proxima <= MaxTemQueSer && !s.VetTemQueSer[proxima].Num.isEmpty())
        ++proxima;
    const int restantes = MaxTemQueSer - proxima + 1;
    if (i.Dias.size() > restantes)
        throw Recusa(QStringLiteral("Cabem %1 escalações forçadas por escalação e só restam %2: "
                                    "foram selecionados %3 dias.")
                         .arg(MaxTemQueSer)
                         .arg(restantes)
                         .arg(i.Dias.size()) +
                     naoGravado);
    RecusaSemEspacoNoSgte(s, livre);
    CarregaSemExped(s);

    // The person the forecast had reserved for a red day gives up his blocks.
    for (int sv : i.Servicos) {
        if (!Definido(s, sv))
            continue;
        for (Data dia : i.Dias) {
            if (!DiaVermelho(s, dia))
                continue;
            const QString deslocado = ProcuraForcado(s, sv, dia);
            if (!deslocado.isEmpty())
                LiberaBloqueios(s, deslocado, sv, dia);
        }
    }

    TipoVetSgte r;
    r.Num = num;
    for (int k = 1; k <= forcado; ++k)
        if (s.VetSv[k].Definido())
            r.Sv[k] = k;
    // The rest window of a day D from date position 1: D, D, D - 1, D + 1, ...,
    // D - Folga, D + Folga (positions 2k + 1 and 2k + 2 for k = 0..Folga). Each
    // day rewrites the same positions: the last selected day's window stays.
    for (Data dia : i.Dias) {
        for (int k = 0; k <= folga; ++k) {
            r.Datas[2 * k + 1] = dia - k;
            r.Datas[2 * k + 2] = dia + k;
        }
        s.VetTemQueSer[proxima++] = {num, forcado, dia, QStringLiteral("N")};
    }
    s.VetObriga[livre] = r;
    LimpaSel(s);
}

void FechaForcado(Sistema& s) {
    AcrescentaAoVetSgte(s, s.VetObriga);
}

void DepoisDaInstrucao(Sistema& s) {
    s.ListBox2.clear();
    s.ListBox5.clear();
    s.ListBox6.clear();
    s.Aba.BPreverVisivel = true;
    s.Aba.BEscalarVisivel = false;
}

void ProntoParaEscalar(Sistema& s) {
    s.ListBox5.clear();
    s.ListBox6.clear();
    s.Aba.BEscalarVisivel = true;
    s.Aba.BPreverVisivel = false;
    s.Aba.Button6Visivel = false;
}

void FechaDecisao(Sistema& s) {
    LimpaSel(s);
    for (int k = 1; k <= 30; ++k)
        if (s.Quantidades.Participa[k])
            s.VetSv[k].Sel = QStringLiteral("S");
}
