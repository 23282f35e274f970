#include "engine/PrevisaoVermelha.h"

#include "base/Falha.h"
#include "engine/JanelasEscala.h"
#include "engine/Previsao.h"
#include "model/Sistema.h"

#include <QSet>

namespace {

// VetSgte has no room for one more reservation.
class ReservasCheias : public Recusa {
public:
    ReservasCheias()
        : Recusa(
              QStringLiteral(
                  "As reservas da Escala Vermelha não cabem na lista de bloqueios (%1 registros): "
                  "a escala não foi montada.\nEscale um período menor, ou marque \"Não\" para "
                  "alguns "
                  "serviços no botão \"Escala Vm\", e verifique de novo.")
                  .arg(MaxSgte)) {}
};

void Cabecalhos(GradeTexto& g) {
    g.DefineCel(1, 0, QStringLiteral("Sim"));
    g.DefineCel(2, 0, QStringLiteral("Não"));
    g.DefineCel(3, 0, QStringLiteral("Erro"));
}

void TodosSim(Sistema& s, GradeTexto& g) {
    for (int k = 1; k <= 30; ++k) {
        g.DefineCel(0, k, s.VetSv[k].Descr);
        g.DefineCel(1, k, QStringLiteral("X"));
        g.DefineCel(2, k, QString());
    }
}

} // namespace

void Reserva(Sistema& s, const QString& num, int sv, int folga, Data dia) {
    const int k = PrimeiraSgteLivre(s.VetSgte);
    if (k >= MaxSgte)
        throw ReservasCheias();
    TipoVetSgte antes;
    antes.Num = num;
    for (int i = 1; i <= 30; ++i)
        antes.Sv[i] = i;
    for (int j = 1; j <= folga && j <= 30; ++j)
        antes.Datas[j] = dia - j;
    TipoVetSgte noDia;
    noDia.Num = num;
    for (int i = 1; i <= 30; ++i)
        noDia.Sv[i] = i == sv ? 0 : i;
    noDia.Datas[1] = dia;
    s.VetSgte[k] = antes;
    s.VetSgte[k + 1] = noDia;
}

bool MarcaEscolhaVm(GradeTexto& g, int coluna, int linha) {
    if (coluna < 1 || coluna > 3 || linha < 1 || linha > 30)
        return false;
    g.DefineCel(coluna, linha, QStringLiteral("X"));
    if (coluna == 1)
        g.DefineCel(2, linha, QString());
    if (coluna == 2)
        g.DefineCel(1, linha, QString());
    g.DefineCel(3, linha, QString());
    return true;
}

void AbreEscolhaVm(Sistema& s) {
    Cabecalhos(s.SGEscVm);
    if (s.IniciarEscolhaVm && !s.EscolhaVmEditada)
        TodosSim(s, s.SGEscVm);
    if (s.IniciarEscolhaVm)
        ListaServicosIrmaos(s);
    s.IniciarEscolhaVm = false;
}

void AbreEscolhaVmEsp(Sistema& s) {
    Cabecalhos(s.SGEscVmEsp);
    if (!s.EscolhaVmEditada)
        TodosSim(s, s.SGEscVmEsp);
}

void FechaEscolhaVmEsp(Sistema& s) {
    for (int r = 0; r <= 30; ++r)
        for (int c = 0; c <= 3; ++c)
            s.SGEscVm.DefineCel(c, r, s.SGEscVmEsp.Cel(c, r));
}

void ListaServicosIrmaos(Sistema& s) {
    // Each rotation is read once for all the persons.
    CarregaVetSv(s, Banco::Principal);
    CarregaGrades(s, Banco::Principal);
    QStringList listas; // in personnel order, each list once
    QSet<QString> vistas;
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
        const QString lista = ListaSvNasGrades(s, s.VetBas[a].Num);
        if (!vistas.contains(lista)) {
            vistas.insert(lista);
            listas << lista;
        }
    }
    s.Memo2EscVm = {QStringLiteral("Serviços Irmãos desta Escalação"), QString(), QString()};
    int n = 0;
    for (const QString& lista : listas) {
        if (lista.size() <= 2)
            continue;
        QStringList nomes;
        for (const QString& codigo : lista.split(','))
            nomes << s.VetSv[codigo.toInt()].Descr;
        s.Memo2EscVm << QString::number(++n) + QStringLiteral(".  ") +
                            nomes.join(QStringLiteral(" + "))
                     << QStringLiteral(" ");
    }
}

void PrevisaoVermelha(Sistema& s, JanelasEscala& janelas) {
    const auto fim = IniciaFase(s);
    if (!fim)
        return;
    if (s.ErroNaPreta) {
        janelas.EstadoMudou();
        janelas.MostraEscolhaVm();
        janelas.MostraLembrete(QStringLiteral("Clicar novamente no botão"));
        s.ErroNaPreta = false;
        s.EscolhaVmRevista = true;
    } else {
        AbreEscolhaVm(s);
    }
    PreparaPrevisao(s, *fim);
    ContextoPrevisao c(s, *fim);
    try {
        PercorreDias(s, c, c.H + 6, FasePrevisao::Vermelha);
    } catch (const ReservasCheias&) {
        CarregaVetSv(s, Banco::Principal);
        s.ListBox5.clear();
        LimpaVetSgte(s);
        JuntaVetSgte(s);
        throw;
    }
    CarregaVetSv(s, Banco::Principal);
    s.ListBox5.clear();
}
