#include "engine/Trocas.h"

#include "base/Dialogos.h"
#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "engine/Disponibilidade.h"
#include "engine/Previsao.h"
#include "model/Grades.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

namespace {

constexpr int MaxNumHist = 136;
constexpr int MaxPalavras = 80;

Data DiaValido(const Sistema& s, const QString& texto) {
    const auto dia = s.LeData(texto);
    if (!dia)
        throw Recusa(texto + QStringLiteral(" >>> Data inválida"));
    return *dia;
}

// The service of the chosen entry, refused when none is chosen or its slot is
// empty.
int ServicoEscolhido(const Sistema& s, const QString& entrada) {
    const int sv = ServicoDaEntrada(entrada);
    if (entrada.left(2).trimmed().isEmpty())
        throw Recusa(QStringLiteral("Você deve selecionar um serviço"));
    if (sv < 1 || sv > 30 || s.VetSv[sv].CodSv != sv)
        throw Recusa(QStringLiteral("O serviço escolhido não está cadastrado"));
    return sv;
}

// A number as the history holds it: no blank inside (blanks separate the
// numbers of an entry).
QString Numero(const QString& texto) {
    const QString num = texto.trimmed();
    if (num.contains(QLatin1Char(' ')))
        throw Recusa(QStringLiteral("Número não pode conter espaços: \"%1\"").arg(num));
    return num;
}

QStringList Palavras(const QString& num) {
    return NumerosDaLista(num).mid(0, MaxPalavras);
}

QString ComBrancos(const QStringList& palavras) {
    QString num;
    for (const QString& p : palavras)
        num += p + QLatin1Char(' ');
    return num;
}

// The new Num of a history entry of the swap.
QString NovoNum(const QString& antigo, const QString& a, const QString& b, Computar computar) {
    if (a == QLatin1String("0"))
        return ComBrancos(Palavras(antigo) << b);
    QStringList novas;
    for (const QString& p : Palavras(antigo)) {
        if (p != a)
            novas << p;
        else if (b == QLatin1String("0"))
            continue;
        else if (computar == Computar::AeB)
            novas << a << b;
        else
            novas << b;
    }
    return ComBrancos(novas);
}

// Applies the swap to the history entries of sv on dia; false when A is in
// none of them.
bool TrocaNoHistorico(Sistema& s, int sv, Data dia, const QString& a, const QString& b,
                      Computar computar, bool grava) {
    bool achouA = false;
    for (int h = 1; h <= MaxHist && !s.VetHist[h].Descr.isEmpty(); ++h) {
        TipoVetHist& e = s.VetHist[h];
        if (e.Dia != dia || e.CodSv != sv)
            continue;
        achouA = achouA || Palavras(e.Num).contains(a);
        const QString novo = NovoNum(e.Num, a, b, computar);
        if (novo.size() > MaxNumHist)
            throw Recusa(QStringLiteral("A escala de %1 do dia %2 não comporta mais um militar")
                             .arg(e.Descr, dia.Texto()));
        if (grava)
            e.Num = novo;
        if (a == QLatin1String("0"))
            return true;
    }
    return achouA;
}

void TrocaUltimosServicos(Sistema& s, Data dia, const QString& a, const QString& b, bool aPerde) {
    for (int p = 1; p <= 1000 && !s.VetBas[p].Nome.isEmpty(); ++p) {
        TipoVetBas& m = s.VetBas[p];
        if (m.Num == b)
            RegistraDia(s, p, dia);
        if (aPerde && m.Num == a) {
            for (int k = 1; k <= 10; ++k)
                if (m.USv[k] == dia)
                    m.USv[k] = Data();
            OrdenaUSv(s, p);
        }
    }
}

} // namespace

QStringList ListaDeServicos(const Sistema& s) {
    QStringList lista;
    for (int k = 1; k <= 30; ++k)
        lista << QString::number(s.VetSv[k].CodSv) + QStringLiteral("   ") + s.VetSv[k].Descr;
    return lista;
}

int ServicoDaEntrada(const QString& entrada) {
    return entrada.left(2).trimmed().toInt();
}

void ListaCandidatosDaTroca(Sistema& s, const QString& entrada, const QString& diaTexto) {
    const Data dia = DiaValido(s, diaTexto);
    CarregaVetSv(s, Banco::Principal);
    const int sv = ServicoEscolhido(s, entrada);
    CarregaSemExped(s);
    ListaCandidatos(s, sv, dia);
}

bool ExecutaTroca(Sistema& s, const Troca& troca) {
    CarregaSemExped(s);
    const Data dia = DiaValido(s, troca.Dia);
    const QString a = Numero(troca.A);
    const QString b = Numero(troca.B);
    if (a.isEmpty() || b.isEmpty())
        throw Recusa(QStringLiteral("Você deve preencher todos os campos"));
    CarregaVetSv(s, Banco::Principal);
    const int sv = ServicoEscolhido(s, troca.Entrada);
    if (a == b)
        throw Recusa(QStringLiteral("Os militares A e B devem ser diferentes"));
    const bool doisMilitares = a != QLatin1String("0") && b != QLatin1String("0");
    const Computar computar = doisMilitares ? troca.computar : Computar::Nenhum;
    if (doisMilitares && computar == Computar::Nenhum)
        throw Recusa(QStringLiteral("Escolha para quem computar o serviço: B ou A e B"));

    CarregaVetHist(s, Banco::Principal);
    if (!TrocaNoHistorico(s, sv, dia, a, b, computar, false) && a != QLatin1String("0") &&
        !s.dialogos.Confirma(
            QStringLiteral("O militar %1 não consta da escala de %2 do dia %3\r\rDeseja "
                           "continuar?")
                .arg(a, s.VetSv[sv].Descr, dia.Texto())))
        return false;

    const QString tipo = DiaVermelho(s, dia) ? QStringLiteral("Vm") : QStringLiteral("Pt");
    const QString diaA = (dia - 300).Texto();
    const bool aPerde = computar == Computar::B || b == QLatin1String("0");

    DMGeral::Transacao trans(s.dm, Banco::Principal);
    trans.Registra(
        QStringLiteral("Troca de serviço"),
        QStringLiteral("serviço %1 (%2), dia %3: sai %4, entra %5; computado para %6")
            .arg(QString::number(s.VetSv[sv].CodSv), s.VetSv[sv].Descr, dia.Texto(), a, b,
                 computar == Computar::B ? QStringLiteral("B") : QStringLiteral("A e B")));
    TrocaNoHistorico(s, sv, dia, a, b, computar, true);
    GravaVetHist(s, Banco::Principal);
    CarregaVetBas(s, Banco::Principal);
    TrocaUltimosServicos(s, dia, a, b, aPerde);
    GravaVetBas(s, Banco::Principal);
    CarregaGrades(s, Banco::Principal);
    if (b != QLatin1String("0"))
        AtualizaContadores(s, tipo, b, 1, dia.Texto(), sv);
    if (aPerde && a != QLatin1String("0"))
        AtualizaContadores(s, tipo, a, -1, diaA, sv);
    GravaGrades(s, Banco::Principal);
    trans.Confirma();
    return true;
}
