#include "engine/Escalacao.h"

#include "base/Falha.h"
#include "calendar/Calendario.h"
#include "engine/Previsao.h"
#include "model/Sistema.h"

#include <array>

// The new last roster date goes with the tables of trans: both are written, or
// neither.
void ConfirmaComUltimaEscala(DMGeral::Transacao& trans, Data nova) {
    trans.GravaArquivo(QStringLiteral("Escala.Txt"), {nova.Texto()});
    trans.Confirma();
}

void GravaEscalaEmMemoria(Sistema& s) {
    GravaGrades(s, Banco::Principal);
    GravaVetBas(s, Banco::Principal);
    GravaVetHist(s, Banco::Principal);
}

namespace {

// gradesRelidas: the grids already hold what their tables would give back.
void DesfazDias(Sistema& s, Data dia, bool gradesRelidas = false) {
    // The duty records come first: the grids to reload, and to save back, are
    // those of the duties the table defines now.
    CarregaVetSv(s, Banco::Principal);
    if (!gradesRelidas)
        CarregaGrades(s, Banco::Principal);
    CarregaSemExped(s);
    CarregaVetBas(s, Banco::Principal);
    LimpaSel(s);
    FiltroHist filtro;
    filtro.Desde = dia;
    const bool escalando = s.Operacao == QLatin1String("Escalar");
    for (const LinhaHist& h : s.dm.ConsultaHist(filtro)) {
        if (h.Dia < dia)
            continue;
        const QString diaTexto =
            escalando ? QString::fromLatin1(DataNuncaTexto) : (h.Dia - 300).Texto();
        for (const QString& num : NumerosDaLista(h.Num)) {
            AtualizaContadores(s, h.PtVm, num, -1, diaTexto, h.CodSv);
            for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
                if (s.VetBas[a].Num != num)
                    continue;
                for (int k = 1; k <= 10; ++k)
                    if (s.VetBas[a].USv[k] == h.Dia)
                        s.VetBas[a].USv[k] = Data();
                OrdenaUSv(s, a);
            }
        }
    }
    GravaVetBas(s, Banco::Principal);
    GravaGrades(s, Banco::Principal);
    s.dm.ApagaHistAPartirDe(dia);
}

} // namespace

void DesfazerAPartirDe(Sistema& s, Data dia) {
    DMGeral::Transacao trans(s.dm, Banco::Principal);
    trans.Registra(QStringLiteral("Desfazer escalação"),
                   QStringLiteral("a partir de %1").arg(dia.Texto()));
    DesfazDias(s, dia);
    ConfirmaComUltimaEscala(trans, dia - 1);
    s.UltimaEscala = dia - 1;
}

void Escalar(Sistema& s) {
    const auto fim = s.LeData(s.Aba.Edit1);
    if (!fim)
        throw Recusa(s.Aba.Edit1 + QStringLiteral(" >>> Data inválida"));
    s.Aba.Edit1Habilitado = true;
    s.Operacao = QStringLiteral("Escalar");
    {
        DMGeral::Transacao trans(s.dm, Banco::Principal);
        trans.Registra(
            QStringLiteral("Escalar"),
            QStringLiteral("de %1 a %2").arg((s.UltimaEscala + 1).Texto(), fim->Texto()));
        // As GravaEscalaEmMemoria and the reload of the grids that follows,
        // but each rotation is written once, after the days beyond the end
        // day went out again: the grids become what their tables would give
        // back.
        std::array<bool, 31> definidos{};
        for (int n = 1; n <= 30; ++n)
            if ((definidos[n] = s.VetSv[n].Definido()))
                GradeComoRelida(s.Grades.GradeSv[n], QStringLiteral("Sv%1.DB").arg(n));
        GravaVetBas(s, Banco::Principal);
        GravaVetHist(s, Banco::Principal);
        CarregaVetSv(s, Banco::Principal);
        for (int n = 1; n <= 30; ++n) {
            const QString tabela = QStringLiteral("Sv%1.DB").arg(n);
            if (definidos[n] && !s.VetSv[n].Definido())
                GravaGradeSv(s, s.Grades.GradeSv[n], tabela, Banco::Principal);
            else if (!definidos[n] && s.VetSv[n].Definido())
                RecarregaGrade(s, s.Grades.GradeSv[n], n);
        }
        DesfazDias(s, *fim + 1, true);
        ConfirmaComUltimaEscala(trans, *fim);
    }
    s.UltimaEscala = *fim;
    s.Aba.Edit1.clear();
    s.Aba.BPreverVisivel = false;
    s.Aba.BDesfazerVisivel = false;
    s.Aba.BEscalarVisivel = false;
    s.Aba.Button6Visivel = true;
    s.ListBox5.clear();
    s.ListBox6.clear();
}

bool DesfazerEscalacao(Sistema& s) {
    s.dialogos.Aviso(QStringLiteral(
        "                                                CUIDADO !\n\nEsta opção irá apagar os "
        "dados de todos os serviços a partir da Data digitada\nSe você tiver dúvidas, melhor "
        "clicar em CANCEL no próximo painel"));
    const auto resposta =
        s.dialogos.Pergunta(QStringLiteral("Desfazer Escalas"),
                            QStringLiteral("Primeiro dia a eliminar (dd/mm/aa): "), QString());
    if (!resposta || resposta->isEmpty())
        return false;
    const auto dia = s.LeData(*resposta);
    if (!dia)
        throw Recusa(*resposta + QStringLiteral(" >>> Data inválida"));
    if (s.pasta.LeUltimaEscala() - *dia > 10 &&
        !s.dialogos.Confirma(QStringLiteral(
            "       Você deseja retroceder a escala mais de 10 dias\r\rEmbora seja possível, isso "
            "poderá alterar as folgas nos serviços\r\r                                         "
            "Deseja continuar?")))
        return false;
    s.Operacao = QStringLiteral("Desfazer");
    DesfazerAPartirDe(s, *dia);
    return true;
}
