#include "engine/FluxoEscala.h"

#include "base/Falha.h"
#include "engine/Contadores.h"
#include "engine/Escalacao.h"
#include "engine/JanelasEscala.h"
#include "engine/Previsao.h"
#include "engine/PrevisaoVermelha.h"
#include "engine/Prioridades.h"
#include "model/Sistema.h"

namespace {

void EsvaziaListas(Sistema& s) {
    s.ListBox2.clear();
    s.ListBox5.clear();
    s.ListBox6.clear();
}

void SoVerificarVisivel(Sistema& s) {
    s.Aba.Edit1Habilitado = true;
    s.Aba.Button6Visivel = true;
    s.Aba.BPreverVisivel = false;
    s.Aba.BEscalarVisivel = false;
    s.Aba.BDesfazerVisivel = false;
    EsvaziaListas(s);
}

void RefazVetSgte(Sistema& s) {
    LimpaVetSgte(s);
    JuntaVetSgte(s);
}

void RedPhasePending(Sistema& s) {
    s.Operacao = QStringLiteral("Desfazer");
    s.MontarVermelhaAntes = true;
    s.ErroNaPreta = false;
}

// The restart at the next verification ("Procedure"): the table is shown again
// with the operator's earlier numbers, the red choices stay.
void ReiniciaComEscolhas(Sistema& s) {
    s.IniciarEscolhaVm = false;
    s.Quantidades.TabelaConstruida = 1;
    s.Quantidades.Tocada = true;
    RestauraMatQuant(s);
    RefazVetSgte(s);
    RedPhasePending(s);
}

// The restart after the red choices ("CopiaEdit1").
void ReiniciaAposEscolhaVm(Sistema& s) {
    SoVerificarVisivel(s);
    RefazVetSgte(s);
    s.Quantidades.TabelaConstruida = 2;
    s.Quantidades.Tocada = false;
    GuardaMatQuant(s);
    ZeraMatQuant(s);
    RedPhasePending(s);
}

// An end day on or before the last roster date would forecast nothing and
// let the commit move the last roster date back.
void ConfereDepoisDaUltima(Sistema& s, Data dia) {
    if (dia > s.UltimaEscala)
        return;
    s.Aba.Edit1Habilitado = true;
    throw Recusa(QStringLiteral("O dia final deve ser posterior à última escalação (") +
                 s.UltimaEscala.Texto() + QLatin1Char(')'));
}

// Steps shared by the verification and the red-phase preparation: the end
// day, the period, the duties taking part. A check that fails is a Recusa.
Data ConfereDiaEPeriodo(Sistema& s) {
    s.Aba.ErrosVisiveis = true;
    const auto dia = s.LeData(s.Aba.Edit1);
    if (!dia)
        throw Recusa(s.Aba.Edit1 + QStringLiteral(" >>> Data inválida"));
    ConfereDepoisDaUltima(s, *dia);
    s.Aba.Edit1Habilitado = false;
    const Data fimPeriodo = s.pasta.LeDataIniFim().second;
    if (fimPeriodo < *dia) {
        s.Aba.Edit1Habilitado = true;
        throw Recusa(
            QStringLiteral("Antes de escalar, você deve alongar a data de preparação do Sistema\n\n"
                           "                         A data atual vai até o dia ") +
            fimPeriodo.Texto() +
            QStringLiteral("\n\n              Para ampliá-la, use o item 6. da aba /Manutenção/"));
    }
    for (int k = 1; k <= 30; ++k) {
        const bool definido = s.VetSv[k].Definido();
        s.Quantidades.Participa[k] = definido;
        if (definido)
            s.VetSv[k].Sel = QStringLiteral("S");
    }
    s.Quantidades.UltimaEscala = s.UltimaEscala;
    s.Quantidades.FimPeriodo = *dia;
    return *dia;
}

void AjustaUmaVez(Sistema& s) {
    if (s.AfastadosAjustados)
        return;
    AjustaAfastados(s);
    s.AfastadosAjustados = true;
}

// The wait panel, shown for the life of the object, also when an operation
// fails inside it.
class PainelAguarde {
public:
    PainelAguarde(JanelasEscala& j, const QString& texto, bool vermelho) : janelas(j) {
        janelas.Aguarde(texto, vermelho);
    }
    ~PainelAguarde() { janelas.FimAguarde(); }
    PainelAguarde(const PainelAguarde&) = delete;
    PainelAguarde& operator=(const PainelAguarde&) = delete;

private:
    JanelasEscala& janelas;
};

} // namespace

void MostraAbaEscalar(Sistema& s, JanelasEscala& janelas) {
    const PainelAguarde painel(
        janelas,
        QStringLiteral("Aguarde .... estou calculando as prioridades entre os serviços ...."),
        false);
    CalculaPrioridades(s);
}

void ReiniciaEscala(Sistema& s) {
    s.Aba.BEscVmEspVisivel = true;
    s.EscolhaVmEditada = false;
    s.IniciarEscolhaVm = true;
    s.Quantidades.TabelaConstruida = 1;
    s.Quantidades.Tocada = false;
    SoVerificarVisivel(s);
    LimpaVetSgte(s);
    for (int i = 1; i <= MaxTemQueSer; ++i)
        s.VetTemQueSer[i] = {QString(), 0, Data(1), QStringLiteral("N")};
    LimpaVetFora(s);
    LimpaVetObriga(s);
    GuardaMatQuant(s);
    ZeraMatQuant(s);
    RedPhasePending(s);
}

namespace {

// The first steps of "PreVm": the absent persons' counters, then the checks.
Data ConfereParaVermelha(Sistema& s) {
    s.Operacao = QStringLiteral("Prever");
    AjustaUmaVez(s);
    return ConfereDiaEPeriodo(s);
}

// The rest of "PreVm": the table of the red phase, when it is built anew, and
// the red phase itself.
void FaseVermelha(Sistema& s, JanelasEscala& janelas) {
    if (s.Quantidades.TabelaConstruida == 1) {
        // The red phase's table keeps 0 for the black days while it is shown.
        s.Quantidades.FaseVermelha = true;
        struct Restaura {
            bool& fase;
            ~Restaura() { fase = false; }
        } restaura{s.Quantidades.FaseVermelha};
        janelas.EstadoMudou();
        janelas.MostraQuantidades(true);
    }
    PrevisaoVermelha(s, janelas);
    s.MontarVermelhaAntes = false;
}

} // namespace

void PreverVermelha(Sistema& s, JanelasEscala& janelas) {
    ConfereParaVermelha(s);
    FaseVermelha(s, janelas);
}

ResultadoVerificacao Verificar(Sistema& s, JanelasEscala& janelas) {
    // This refusal stops the click before anything of it happens: the red
    // phase stays pending and the message is shown once.
    if (const auto dia = s.LeData(s.Aba.Edit1))
        ConfereDepoisDaUltima(s, *dia);
    s.Aba.BEscVmEspVisivel = false;
    janelas.FechaLembrete();
    if (s.EscolhaVmRevista)
        ReiniciaComEscolhas(s);
    for (int i = 1; i <= MaxTemQueSer && !s.VetTemQueSer[i].Num.isEmpty(); ++i)
        s.VetTemQueSer[i].Usado = QStringLiteral("N");
    if (s.MontarVermelhaAntes) {
        {
            const PainelAguarde painel(
                janelas, QStringLiteral("Aguarde .... estou montando as escalas vermelhas ...."),
                true);
            s.EscolhaVmRevista = false;
            // "PreVm" as a click of its own: a check that fails shows its
            // message and ends that click; the verification's own checks below
            // meet it again. The red phase is then no longer pending.
            bool conferido = true;
            try {
                ConfereParaVermelha(s);
            } catch (const Recusa& r) {
                s.dialogos.Aviso(r.Mensagem());
                conferido = false;
            }
            if (conferido)
                FaseVermelha(s, janelas);
            s.MontarVermelhaAntes = false;
        }
        if (s.EscolhaVmRevista) {
            ReiniciaAposEscolhaVm(s);
            return ResultadoVerificacao::Reiniciada;
        }
    }
    AjustaUmaVez(s);
    ConfereDiaEPeriodo(s);
    const PainelAguarde painel(
        janelas, QStringLiteral("Aguarde ... Estou montando as escalas pretas  "), false);
    janelas.EstadoMudou();
    janelas.Pausa();
    janelas.MostraQuantidades(s.Quantidades.TabelaConstruida == 1);
    const bool prevista = Prever(s, janelas);
    return prevista ? ResultadoVerificacao::Prevista : ResultadoVerificacao::Recusada;
}

void EscalaOuDescarta(Sistema& s) {
    const auto descarta = [&](const Falha& f) {
        ReiniciaEscala(s);
        return QStringLiteral("A escala não foi gravada; nada foi alterado.\n%1\n\n"
                              "Clique em \"Escalar até:\" e verifique de novo.")
            .arg(f.Mensagem());
    };
    try {
        Escalar(s);
    } catch (const Recusa& r) {
        throw Recusa(descarta(r));
    } catch (const Falha& f) {
        throw Falha(descarta(f));
    }
}

void DescartaEscala(Sistema& s, JanelasEscala& janelas) {
    janelas.FechaLembrete();
    ReiniciaEscala(s);
}

void MostraErros(Sistema& s, bool erros) {
    s.Aba.ErrosVisiveis = erros;
}
