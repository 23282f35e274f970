#include "shell/ComandoEscala.h"

#include "base/Falha.h"
#include "engine/EscalaManual.h"
#include "engine/Escalacao.h"
#include "engine/FluxoEscala.h"
#include "engine/Instrucoes.h"
#include "engine/JanelasSemTela.h"
#include "engine/PrevisaoVermelha.h"
#include "model/Sistema.h"
#include "shell/AtualizaPrincipal.h"
#include "shell/Inicio.h"

#include <QCommandLineParser>
#include <functional>

namespace {

enum Saida { Feito = 0, VagasAbertas = 1, Recusado = 2, ErroDeDados = 3 };

// Records every message box and question in order; answers the questions and
// the input box as the command line says.
class DialogosRegistrados : public Dialogos {
public:
    void Aviso(const QString& texto) override { Textos << texto; }
    bool Confirma(const QString& texto) override {
        Textos << texto;
        ++perguntas;
        return sim;
    }
    std::optional<QString> Pergunta(const QString&, const QString&, const QString&) override {
        return resposta;
    }
    QStringList Textos;
    bool sim = false;
    int perguntas = 0;
    std::optional<QString> resposta;
};

struct Listas {
    QStringList escala, erros, alertas;
};

void ImprimeSecao(QTextStream& saida, const char* titulo, const QStringList& linhas) {
    saida << titulo << '\n';
    for (const QString& linha : linhas)
        saida << linha << '\n';
}

// Every message on one line, its line breaks written "\n".
QStringList UmaLinhaCada(const QStringList& mensagens) {
    QStringList uma;
    for (QString m : mensagens) {
        m.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
        m.replace(QLatin1Char('\r'), QLatin1String("\\n"));
        m.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        uma << m;
    }
    return uma;
}

void Imprime(QTextStream& saida, const Listas& l, const QStringList& mensagens) {
    ImprimeSecao(saida, "[Escala]", l.escala);
    ImprimeSecao(saida, "[Erros]", l.erros);
    ImprimeSecao(saida, "[Alertas]", l.alertas);
    ImprimeSecao(saida, "[Mensagens]", UmaLinhaCada(mensagens));
    saida.flush();
}

Listas Atuais(const Sistema& s) {
    return {s.ListBox2, s.ListBox5, s.ListBox6};
}

// --celula COD:dd/mm/aa:"N N": the persons typed into the cell of duty COD on
// that day.
void DigitaCelula(Sistema& s, const QString& celula) {
    const int fimCodigo = celula.indexOf(QLatin1Char(':'));
    const int fimDia = fimCodigo < 0 ? -1 : celula.indexOf(QLatin1Char(':'), fimCodigo + 1);
    bool ok = false;
    const int cod = fimCodigo < 0 ? 0 : celula.left(fimCodigo).toInt(&ok);
    const auto dia =
        fimDia < 0 ? std::nullopt : s.LeData(celula.mid(fimCodigo + 1, fimDia - fimCodigo - 1));
    if (!ok || !dia)
        throw Recusa(
            QStringLiteral("Célula inválida em --celula: \"%1\" (serviço:dd/mm/aa:números).")
                .arg(celula));
    const AbaManual& m = s.Manual;
    int linha = 0, coluna = 0;
    for (int r = 1; r < m.LinhasGrade && linha == 0; ++r)
        if (m.SGGradeSv.Cel(10, r) == QString::number(cod))
            linha = r;
    for (int c = 1; c <= 6 && coluna == 0; ++c)
        if (m.SGGradeSv.Cel(c, 0) == dia->Texto())
            coluna = c;
    if (linha == 0 || coluna == 0)
        throw Recusa(
            QStringLiteral("A grade não tem o serviço %1 no dia %2.").arg(cod).arg(dia->Texto()));
    DefineCelula(s, coluna, linha, celula.mid(fimDia + 1));
}

// Row 0 and each duty row, over the columns that hold a day.
QStringList LinhasDaGrade(const AbaManual& m) {
    int dias = 0;
    while (dias < 6 && !m.SGGradeSv.Cel(dias + 1, 0).isEmpty())
        ++dias;
    QStringList linhas;
    for (int r = 0; r < m.LinhasGrade && m.GradeVisivel; ++r) {
        QStringList celulas;
        for (int c = 0; c <= dias; ++c)
            celulas << m.SGGradeSv.Cel(c, r);
        linhas << celulas.join(QStringLiteral(" | "));
    }
    return linhas;
}

// "manual": the "Escalar Manual" tab as the operator drives it, after the
// program's start: a click in "Escalar até:", the day, "Preparar Grade" with
// the default daily quantities, the cells typed, "Verificar" and, when asked,
// "Escalar".
int ComandoManual(Sistema& s, DialogosRegistrados& dialogos, QTextStream& saida,
                  const std::function<void()>& partida, const QString& ate,
                  const QStringList& celulas, bool escalar) {
    int codigo = Feito;
    QStringList grade;
    try {
        partida();
        JanelasSemTela janelas(s);
        ReiniciaManual(s);
        s.Manual.Edit6 = ate;
        PreparaGrade(s, janelas);
        for (const QString& celula : celulas)
            DigitaCelula(s, celula);
        VerificaGrade(s);
        grade = LinhasDaGrade(s.Manual);
        if (escalar)
            EscalaGrade(s);
    } catch (const Recusa& r) {
        dialogos.Aviso(r.Mensagem());
        codigo = Recusado;
    } catch (const Falha& f) {
        dialogos.Aviso(f.Mensagem());
        codigo = ErroDeDados;
    }
    if (grade.isEmpty())
        grade = LinhasDaGrade(s.Manual);
    ImprimeSecao(saida, "[Grade]", grade);
    ImprimeSecao(saida, "[Verificacao]", s.Manual.ListBox4);
    ImprimeSecao(saida, "[Mensagens]", UmaLinhaCada(dialogos.Textos));
    saida.flush();
    return codigo;
}

} // namespace

int ExecutaComandoEscala(const QStringList& argumentos, QTextStream& saida,
                         const QString& arquivoAliases) {
    QCommandLineParser p;
    const QCommandLineOption pasta(QStringLiteral("pasta-dados"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption hoje(QStringLiteral("hoje"), QString(), QStringLiteral("dd/mm/yyyy"));
    const QCommandLineOption ate(QStringLiteral("ate"), QString(), QStringLiteral("dd/mm/yy"));
    const QCommandLineOption vermelhaNao(QStringLiteral("vermelha-nao"), QString(),
                                         QStringLiteral("lista"));
    const QCommandLineOption aPartirDe(QStringLiteral("a-partir-de"), QString(),
                                       QStringLiteral("dd/mm/yy"));
    const QCommandLineOption sim(QStringLiteral("sim"));
    const QCommandLineOption celula(QStringLiteral("celula"), QString(),
                                    QStringLiteral("serviço:dd/mm/aa:números"));
    const QCommandLineOption escalarManual(QStringLiteral("escalar"));
    const QCommandLineOption ajuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    p.addOptions({pasta, hoje, ate, vermelhaNao, aPartirDe, sim, celula, escalarManual, ajuda});
    p.addPositionalArgument(QStringLiteral("comando"),
                            QStringLiteral("verificar, escalar, desfazer ou manual"));

    const QString linhaUso =
        QStringLiteral("Uso: tarvolim-escala [--pasta-dados DIR] [--hoje dd/mm/aaaa] "
                       "verificar|escalar --ate dd/mm/aa [--vermelha-nao 3,7] | desfazer "
                       "--a-partir-de dd/mm/aa [--sim] | manual --ate dd/mm/aa [--celula "
                       "serviço:dd/mm/aa:\"N N\" ...] [--escalar]");
    const auto uso = [&](const QString& erro) {
        Imprime(saida, {}, {erro + QLatin1Char('\n') + linhaUso});
        return int(Recusado);
    };
    if (!p.parse(QStringList{QStringLiteral("tarvolim-escala")} + argumentos))
        return uso(p.errorText());
    if (p.isSet(ajuda)) {
        saida << linhaUso << "\nVeja man tarvolim-escala.\n";
        saida.flush();
        return Feito;
    }
    const QString comando = p.positionalArguments().value(0);
    const bool prever =
        comando == QLatin1String("verificar") || comando == QLatin1String("escalar");
    const bool manual = comando == QLatin1String("manual");
    if (p.positionalArguments().size() != 1 ||
        (!prever && !manual && comando != QLatin1String("desfazer")))
        return uso(QStringLiteral("Comando inválido."));
    if ((prever || manual) && !p.isSet(ate))
        return uso(QStringLiteral("Falta o dia final (--ate)."));
    if (!prever && !manual && !p.isSet(aPartirDe))
        return uso(QStringLiteral("Falta o primeiro dia a eliminar (--a-partir-de)."));

    RelogioSistema relogioSistema;
    std::optional<RelogioFixo> relogioFixo;
    if (p.isSet(hoje)) {
        const auto dia = Data::DeTexto(p.value(hoje), QDate::currentDate().year());
        if (!dia)
            return uso(p.value(hoje) + QStringLiteral(" >>> Data inválida (--hoje)"));
        relogioFixo.emplace(*dia);
    }
    const Relogio& relogio = relogioFixo ? static_cast<const Relogio&>(*relogioFixo)
                                         : static_cast<const Relogio&>(relogioSistema);
    QList<int> naoVermelhas;
    for (const QString& parte : p.value(vermelhaNao).split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = parte.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > 30)
            return uso(QStringLiteral("Serviço inválido em --vermelha-nao: \"%1\" (de 1 a 30).")
                           .arg(parte));
        naoVermelhas << n;
    }

    DialogosRegistrados dialogos;
    dialogos.sim = p.isSet(sim);
    dialogos.resposta = p.value(aPartirDe);
    Inicio inicio(p.value(pasta), arquivoAliases);
    try {
        inicio.Prepara(relogio.Hoje());
    } catch (const Falha& f) {
        Imprime(saida, {}, {f.Mensagem()});
        return ErroDeDados;
    }
    ImpressoraAusente impressora;
    Sistema s(inicio.PastaDados(), inicio.PastaBackupInicial(), relogio, dialogos, impressora);
    const auto partida = [&] {
        try {
            inicio.PassosIniciais(s);
        } catch (const Falha& f) {
            dialogos.Aviso(f.Mensagem()); // as the window shows it, and goes on
        }
        AtualizaPrincipal(s, nullptr);
    };
    if (manual)
        return ComandoManual(s, dialogos, saida, partida, p.value(ate), p.values(celula),
                             p.isSet(escalarManual));
    Listas listas;
    int codigo = Feito;
    try {
        partida();
        if (prever) {
            JanelasSemTela janelas(s);
            janelas.aoDecidir = [&] {
                if (comando == QLatin1String("escalar"))
                    ProntoParaEscalar(s);
                FechaDecisao(s);
            };
            MostraAbaEscalar(s, janelas);
            ReiniciaEscala(s);
            if (!naoVermelhas.isEmpty()) {
                AbreEscolhaVmEsp(s);
                for (int n : naoVermelhas)
                    MarcaEscolhaVm(s.SGEscVmEsp, 2, n);
                s.EscolhaVmEditada = true;
                FechaEscolhaVmEsp(s);
                s.Aba.BEscVmEspVisivel = false;
            }
            s.Aba.Edit1 = p.value(ate);
            ResultadoVerificacao r = Verificar(s, janelas);
            // After the red choices an operator presses "Verificar" again.
            for (int vez = 0; vez < 2 && r == ResultadoVerificacao::Reiniciada; ++vez)
                r = Verificar(s, janelas);
            listas = Atuais(s);
            if (r != ResultadoVerificacao::Prevista)
                codigo = Recusado;
            else if (comando == QLatin1String("escalar")) {
                if (s.ErroNaPreta || !s.Aba.BEscalarVisivel)
                    codigo = VagasAbertas;
                else
                    Escalar(s);
            }
        } else if (!DesfazerEscalacao(s)) {
            codigo = Recusado;
        }
    } catch (const Recusa& f) {
        dialogos.Aviso(f.Mensagem());
        listas = listas.escala.isEmpty() ? Atuais(s) : listas;
        codigo = Recusado;
    } catch (const Falha& f) {
        dialogos.Aviso(f.Mensagem());
        listas = listas.escala.isEmpty() ? Atuais(s) : listas;
        codigo = ErroDeDados;
    }
    Imprime(saida, listas, dialogos.Textos);
    return codigo;
}
