#include "maintenance/Afastamentos.h"

#include "base/Falha.h"
#include "model/Sistema.h"

namespace {

QString TextoOuBranco(Data d) {
    return d.Zero() ? QStringLiteral(" ") : d.Texto();
}

Data LeDataOuRecusa(const Sistema& s, const QString& texto) {
    const std::optional<Data> d = s.LeData(texto);
    if (!d)
        throw Recusa(texto + QStringLiteral(" >>> Data inválida"));
    return *d;
}

const QString naoCadastrado = QStringLiteral("Número não cadastrado no Sistema");

} // namespace

QList<LinhaAfastado> MilitaresForaDaEscala(const Sistema& s) {
    QList<LinhaAfastado> lista;
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
        const TipoVetBas& b = s.VetBas[a];
        if (b.Ini.Zero() && b.Fim.Zero() && b.PR.isEmpty())
            continue;
        lista.append({b.Num, b.Nome, TextoOuBranco(b.Ini), TextoOuBranco(b.Fim), b.PR});
    }
    return lista;
}

void SessaoAfastamentos::Abre() {
    alterado = lido = false;
    CarregaVetBas(sis, Banco::Principal);
    lido = true;
}

void SessaoAfastamentos::Registra(const QString& num, const QString& ini, const QString& fim,
                                  bool previsto) {
    // Basico is rewritten from VetBas on closing: it must hold every person.
    if (!lido)
        throw Recusa(
            QStringLiteral("O cadastro de pessoal não pôde ser lido: nada foi registrado."));
    const Data inicio = LeDataOuRecusa(sis, ini);
    const Data final_ = LeDataOuRecusa(sis, fim);
    if (final_ < inicio)
        throw Recusa(QStringLiteral("A Data Fim (%1) é anterior à Data Início (%2): nada foi "
                                    "registrado")
                         .arg(final_.Texto(), inicio.Texto()));
    const int a = SlotDe(sis, num);
    if (a == 0)
        throw Recusa(naoCadastrado);
    TipoVetBas& b = sis.VetBas[a];
    b.PR = previsto ? QStringLiteral("P") : QStringLiteral("R");
    b.Ini = inicio;
    b.Fim = final_;
    alterado = true;
    registrados
        << QStringLiteral("%1 %2 de %3 a %4").arg(num, b.PR, inicio.Texto(), final_.Texto());
}

void SessaoAfastamentos::Fecha() {
    if (!alterado)
        return;
    DMGeral::Transacao t(sis.dm, Banco::Principal);
    t.Registra(QStringLiteral("Afastamento"), registrados.join(QStringLiteral("; ")));
    GravaVetBas(sis, Banco::Principal);
    t.Confirma();
    alterado = false;
    registrados.clear();
}

void VoltaParaEscala(Sistema& s, const QString& num) {
    CarregaVetBas(s, Banco::Principal);
    // The summaries describe everyone as before this return.
    MontaIrmaos(s);
    if (num.isEmpty())
        throw Recusa(QStringLiteral("Campo número é obrigatório"));
    if (const int a = SlotDe(s, num); a == 0) {
        s.dialogos.Aviso(naoCadastrado);
    } else if (s.VetBas[a].PR.isEmpty()) {
        s.dialogos.Aviso(QStringLiteral("Militar não estava fora da escala"));
    } else {
        s.VetBas[a].PR.clear();
        s.VetBas[a].Ini = Data();
        s.VetBas[a].Fim = Data();
    }
    const QString lista = ListaSvDoMilitar(s, num);
    s.ListaSvAtual = lista;
    // One duty or none: his own counters are kept out of the minimum and he
    // never goes below them.
    const bool umServico = !lista.contains(QLatin1Char(','));

    DMGeral::Transacao t(s.dm, Banco::Principal);
    t.Registra(QStringLiteral("Retorno para a escala"), QStringLiteral("número %1").arg(num));
    GravaVetBas(s, Banco::Principal);
    CarregaVetSv(s, Banco::Principal);
    for (int k = 1; k <= 30; ++k) {
        if (!s.VetSv[k].Definido())
            continue;
        GradeTexto& g = RecarregaGrade(s, k);
        const int r = g.LinhaDe(num);
        if (r == 0)
            continue;
        const int pt = g.Cel(1, r).toInt();
        const int vm = g.Cel(2, r).toInt();
        if (umServico) {
            g.DefineCel(1, r, QStringLiteral("999"));
            g.DefineCel(2, r, QStringLiteral("999"));
        }
        const ContadoresEntrada entrada = ContadoresIniciais(s, g, k, lista, num);
        g.DefineCel(1, r, QString::number(umServico ? qMax(pt, entrada.Pt) : entrada.Pt));
        g.DefineCel(2, r, QString::number(umServico ? qMax(vm, entrada.Vm) : entrada.Vm));
        GravaGradeSv(s, g, s.TabelaAtual, Banco::Principal);
    }
    t.Confirma();
}
