#include "shell/ComandoEscala.h"

#include "base/Falha.h"
#include "engine/EscalaManual.h"
#include "engine/Escalacao.h"
#include "engine/FluxoEscala.h"
#include "engine/Instrucoes.h"
#include "engine/JanelasSemTela.h"
#include "engine/PrevisaoVermelha.h"
#include "engine/Trocas.h"
#include "model/Servicos.h"
#include "model/Sistema.h"
#include "shell/AtualizaPrincipal.h"
#include "shell/Inicio.h"

#include <QMap>
#include <QSet>
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
    // Each error line followed by the explanation of its slot, indented.
    QStringList explicacao;
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

void Imprime(QTextStream& saida, const Listas& l, const QStringList& mensagens,
             bool explicar = false) {
    ImprimeSecao(saida, "[Escala]", l.escala);
    ImprimeSecao(saida, "[Erros]", l.erros);
    ImprimeSecao(saida, "[Alertas]", l.alertas);
    ImprimeSecao(saida, "[Mensagens]", UmaLinhaCada(mensagens));
    if (explicar)
        ImprimeSecao(saida, "[Explicacao]", l.explicacao);
    saida.flush();
}

Listas Atuais(const Sistema& s) {
    QStringList explicacao;
    for (const QString& erro : s.ListBox5) {
        explicacao << erro;
        for (const QString& linha : s.ExplicacoesDasVagas.value(erro))
            explicacao << QStringLiteral("  ") + linha;
    }
    return {s.ListBox2, s.ListBox5, s.ListBox6, explicacao};
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

// The entry of duty COD in the service lists of the "Trocas Sv" tab.
QString EntradaDoServico(const Sistema& s, const QString& cod) {
    bool ok = false;
    const int n = cod.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 30)
        throw Recusa(QStringLiteral("Serviço inválido em --servico: \"%1\" (de 1 a 30).").arg(cod));
    return ListaDeServicos(s).at(n - 1);
}

// "candidatos" and "trocar": the two steps of the "Trocas Sv" tab after the
// program's start. The step opens (the service list is read), the fields are
// typed, then "Listar" or "Executar".
int ComandoTrocas(Sistema& s, DialogosRegistrados& dialogos, QTextStream& saida,
                  const std::function<void()>& partida, bool listar, const Troca& pedido,
                  const QString& servico) {
    int codigo = Feito;
    try {
        partida();
        CarregaVetSv(s, Banco::Principal);
        Troca troca = pedido;
        troca.Entrada = EntradaDoServico(s, servico);
        if (listar) {
            s.ListBox3.clear();
            ListaCandidatosDaTroca(s, troca.Entrada, troca.Dia);
        } else if (!ExecutaTroca(s, troca)) {
            codigo = Recusado;
        }
    } catch (const Recusa& r) {
        dialogos.Aviso(r.Mensagem());
        codigo = Recusado;
    } catch (const Falha& f) {
        dialogos.Aviso(f.Mensagem());
        codigo = ErroDeDados;
    }
    if (listar)
        ImprimeSecao(saida, "[Candidatos]", s.ListBox3);
    ImprimeSecao(saida, "[Mensagens]", UmaLinhaCada(dialogos.Textos));
    saida.flush();
    return codigo;
}

// The command line as read: the values of each option, the flags given and
// the words that are no option.
struct Argumentos {
    QMap<QString, QStringList> valores;
    QSet<QString> marcas;
    QStringList palavras;
    bool Tem(const QString& opcao) const { return valores.contains(opcao); }
    QString Valor(const QString& opcao) const { return valores.value(opcao).value(0); }
};

const QStringList opcoesComValor = {QStringLiteral("pasta-dados"), QStringLiteral("hoje"),
                                    QStringLiteral("ate"),         QStringLiteral("vermelha-nao"),
                                    QStringLiteral("a-partir-de"), QStringLiteral("celula"),
                                    QStringLiteral("servico"),     QStringLiteral("dia"),
                                    QStringLiteral("a"),           QStringLiteral("b"),
                                    QStringLiteral("computar")};
const QStringList opcoesSemValor = {QStringLiteral("sim"), QStringLiteral("escalar"),
                                    QStringLiteral("explicar"), QStringLiteral("help"),
                                    QStringLiteral("version")};

// Reads "--opcao valor", "--opcao=valor", the flags, -h and -v; "--" ends the
// options. Only --celula may be given more than once. Refuses, in Portuguese,
// what it cannot read.
Argumentos LeArgumentos(const QStringList& lista) {
    Argumentos a;
    bool soPalavras = false;
    for (int i = 0; i < lista.size(); ++i) {
        const QString& arg = lista[i];
        if (soPalavras || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            a.palavras << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            soPalavras = true;
            continue;
        }
        QString nome;
        std::optional<QString> valor;
        if (arg == QLatin1String("-h"))
            nome = QStringLiteral("help");
        else if (arg == QLatin1String("-v"))
            nome = QStringLiteral("version");
        else if (arg.startsWith(QLatin1String("--"))) {
            nome = arg.mid(2);
            const qsizetype igual = nome.indexOf(QLatin1Char('='));
            if (igual >= 0) {
                valor = nome.mid(igual + 1);
                nome = nome.left(igual);
            }
        }
        const QString opcao = QStringLiteral("--") + nome;
        if (opcoesComValor.contains(nome)) {
            if (!valor) {
                if (i + 1 >= lista.size() || lista[i + 1].startsWith(QLatin1String("--")))
                    throw Recusa(QStringLiteral("Falta o valor depois de %1.").arg(opcao));
                valor = lista[++i];
            }
            if (a.Tem(nome) && nome != QLatin1String("celula"))
                throw Recusa(QStringLiteral("A opção %1 foi dada mais de uma vez.").arg(opcao));
            a.valores[nome] << *valor;
        } else if (opcoesSemValor.contains(nome)) {
            if (valor)
                throw Recusa(QStringLiteral("A opção %1 não leva valor.").arg(opcao));
            a.marcas << nome;
        } else {
            throw Recusa(QStringLiteral("Opção desconhecida: %1.").arg(arg));
        }
    }
    return a;
}

// --vermelha-nao 3,7: the codes of the duties whose red days are not built
// first. Every item must be a code from 1 to 30.
QList<int> ServicosSemVermelha(const QString& lista) {
    QList<int> codigos;
    for (const QString& parte : lista.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = parte.trimmed().toInt(&ok);
        if (parte.trimmed().isEmpty())
            throw Recusa(
                QStringLiteral("Item vazio em --vermelha-nao: \"%1\" (códigos separados por "
                               "vírgula).")
                    .arg(lista));
        if (!ok || n < 1 || n > 30)
            throw Recusa(QStringLiteral("Serviço inválido em --vermelha-nao: \"%1\" (de 1 a 30).")
                             .arg(parte));
        codigos << n;
    }
    return codigos;
}

const QString linhaUso =
    QStringLiteral("Uso: tarvolim-escala [--pasta-dados DIR] [--hoje dd/mm/aaaa] "
                   "verificar|escalar --ate dd/mm/aa [--vermelha-nao 3,7] [--explicar] | desfazer "
                   "--a-partir-de dd/mm/aa [--sim] | manual --ate dd/mm/aa [--celula "
                   "serviço:dd/mm/aa:\"N N\" ...] [--escalar] | candidatos --servico COD --dia "
                   "dd/mm/aa | trocar --servico COD --dia dd/mm/aa --a NUM --b NUM [--computar "
                   "B|\"A e B\"] [--sim]");

const QString textoAjuda = QStringLiteral(
    "\n"
    "A escala de serviço sem tela: faz o que o operador faz numa execução do programa.\n"
    "\n"
    "Comandos:\n"
    "  verificar    a aba \"Escalar Automático\": \"Verificar\" até o dia final e a previsão\n"
    "  escalar      o mesmo e, sem vagas em aberto, grava a escala\n"
    "  desfazer     o item 8 da manutenção: desfaz a escalação a partir do dia dado\n"
    "  manual       a aba \"Escalar Manual\": prepara a grade, preenche as células e verifica\n"
    "  candidatos   a aba \"Trocas Sv\", passo 1: os candidatos ao serviço no dia\n"
    "  trocar       a aba \"Trocas Sv\", passo 2: grava a troca do serviço de A para B\n"
    "\n"
    "Opções:\n"
    "  --pasta-dados DIR           a pasta de dados (sem ela, a do programa)\n"
    "  --hoje dd/mm/aaaa           o dia de hoje nesta execução\n"
    "  --ate dd/mm/aa              o dia final da escala\n"
    "  --vermelha-nao 3,7          os serviços cujas escalas vermelhas não são montadas antes\n"
    "  --explicar                  depois de [Mensagens], [Explicacao]: por que ninguém foi\n"
    "                              escalado em cada vaga de [Erros] (verificar, escalar)\n"
    "  --a-partir-de dd/mm/aa      o primeiro dia a eliminar (desfazer)\n"
    "  --sim                       responde Sim às perguntas (desfazer mais de 10 dias; A fora\n"
    "                              da escala do dia, trocar)\n"
    "  --celula COD:dd/mm/aa:\"N N\" os militares digitados na célula (manual; repetível)\n"
    "  --escalar                   grava a grade verificada (manual)\n"
    "  --servico COD               o código do serviço (candidatos, trocar)\n"
    "  --dia dd/mm/aa              o dia do serviço (candidatos, trocar)\n"
    "  --a NUM, --b NUM            quem sai e quem entra; 0 é ninguém (trocar)\n"
    "  --computar B|\"A e B\"        para quem conta o serviço; sem ela, B (trocar)\n"
    "  -h, --help                  mostra esta ajuda\n"
    "  -v, --version               mostra a versão\n"
    "\n"
    "Imprime [Escala], [Erros], [Alertas] e [Mensagens] (manual: [Grade], [Verificacao] e\n"
    "[Mensagens]; candidatos: [Candidatos] e [Mensagens]; trocar: [Mensagens]).\n"
    "Códigos de saída: 0 feito; 1 \"escalar\" deixou vagas em aberto (nada foi gravado);\n"
    "2 uma recusa; 3 um erro do banco de dados ou de um arquivo.\n");

} // namespace

int ExecutaComandoEscala(const QStringList& argumentos, QTextStream& saida,
                         const QString& arquivoAliases) {
    const auto uso = [&](const QString& erro) {
        Imprime(saida, {}, {erro + QLatin1Char('\n') + linhaUso});
        return int(Recusado);
    };
    Argumentos p;
    QList<int> naoVermelhas;
    try {
        p = LeArgumentos(argumentos);
        if (p.marcas.contains(QStringLiteral("help"))) {
            saida << linhaUso << '\n' << textoAjuda;
            saida.flush();
            return Feito;
        }
        if (p.marcas.contains(QStringLiteral("version"))) {
            saida << "tarvolim-escala (Tarvolim) versão " << TARVOLIM_VERSAO << '\n';
            saida.flush();
            return Feito;
        }
        if (p.Tem(QStringLiteral("vermelha-nao")))
            naoVermelhas = ServicosSemVermelha(p.Valor(QStringLiteral("vermelha-nao")));
    } catch (const Recusa& r) {
        return uso(r.Mensagem());
    }
    const QString comando = p.palavras.value(0);
    const bool prever =
        comando == QLatin1String("verificar") || comando == QLatin1String("escalar");
    const bool manual = comando == QLatin1String("manual");
    const bool desfazer = comando == QLatin1String("desfazer");
    const bool candidatos = comando == QLatin1String("candidatos");
    const bool trocar = comando == QLatin1String("trocar");
    if (p.palavras.size() != 1 || (!prever && !manual && !desfazer && !candidatos && !trocar))
        return uso(QStringLiteral("Comando inválido."));
    const QString ate = p.Valor(QStringLiteral("ate"));
    if ((prever || manual) && !p.Tem(QStringLiteral("ate")))
        return uso(QStringLiteral("Falta o dia final (--ate)."));
    if (desfazer && !p.Tem(QStringLiteral("a-partir-de")))
        return uso(QStringLiteral("Falta o primeiro dia a eliminar (--a-partir-de)."));
    if ((candidatos || trocar) && !p.Tem(QStringLiteral("servico")))
        return uso(QStringLiteral("Falta o serviço (--servico)."));
    if ((candidatos || trocar) && !p.Tem(QStringLiteral("dia")))
        return uso(QStringLiteral("Falta o dia (--dia)."));
    if (trocar && (!p.Tem(QStringLiteral("a")) || !p.Tem(QStringLiteral("b"))))
        return uso(QStringLiteral("Faltam os militares (--a e --b)."));
    Troca troca{p.Valor(QStringLiteral("a")), p.Valor(QStringLiteral("b")), QString(),
                p.Valor(QStringLiteral("dia")), Computar::B};
    if (p.Tem(QStringLiteral("computar"))) {
        const QString c = p.Valor(QStringLiteral("computar"));
        if (c == QLatin1String("A e B"))
            troca.computar = Computar::AeB;
        else if (c != QLatin1String("B"))
            return uso(QStringLiteral("--computar deve ser B ou \"A e B\": \"%1\".").arg(c));
    }
    if (p.Tem(QStringLiteral("pasta-dados")) && p.Valor(QStringLiteral("pasta-dados")).isEmpty())
        return uso(QStringLiteral("A pasta de dados (--pasta-dados) está vazia."));

    RelogioSistema relogioSistema;
    std::optional<RelogioFixo> relogioFixo;
    if (p.Tem(QStringLiteral("hoje"))) {
        const QString texto = p.Valor(QStringLiteral("hoje"));
        const auto dia = Data::DeTexto(texto, QDate::currentDate().year());
        if (!dia)
            return uso(texto + QStringLiteral(" >>> Data inválida (--hoje)"));
        relogioFixo.emplace(*dia);
    }
    const Relogio& relogio = relogioFixo ? static_cast<const Relogio&>(*relogioFixo)
                                         : static_cast<const Relogio&>(relogioSistema);

    DialogosRegistrados dialogos;
    dialogos.sim = p.marcas.contains(QStringLiteral("sim"));
    dialogos.resposta = p.Valor(QStringLiteral("a-partir-de"));
    Inicio inicio(p.Valor(QStringLiteral("pasta-dados")), arquivoAliases);
    try {
        inicio.Prepara(relogio.Hoje());
    } catch (const Recusa& r) {
        Imprime(saida, {}, {r.Mensagem()});
        return Recusado;
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
    if (candidatos || trocar)
        return ComandoTrocas(s, dialogos, saida, partida, candidatos, troca,
                             p.Valor(QStringLiteral("servico")));
    if (manual)
        return ComandoManual(s, dialogos, saida, partida, ate,
                             p.valores.value(QStringLiteral("celula")),
                             p.marcas.contains(QStringLiteral("escalar")));
    Listas listas;
    // The lists as the verification left them: choosing to commit empties the
    // errors and alerts, which the caller must still read.
    std::optional<Listas> verificadas;
    int codigo = Feito;
    try {
        // A duty of --vermelha-nao that the register does not define is
        // refused before the start writes anything.
        CarregaVetSv(s, Banco::Principal);
        for (int n : naoVermelhas)
            if (!s.VetSv[n].Definido())
                throw Recusa(
                    QStringLiteral("O serviço %1 de --vermelha-nao não existe no cadastro.")
                        .arg(n));
        partida();
        if (prever) {
            JanelasSemTela janelas(s);
            janelas.aoDecidir = [&] {
                verificadas = Atuais(s);
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
            s.Aba.Edit1 = ate;
            ResultadoVerificacao r = Verificar(s, janelas);
            // After the red choices an operator presses "Verificar" again.
            for (int vez = 0; vez < 2 && r == ResultadoVerificacao::Reiniciada; ++vez)
                r = Verificar(s, janelas);
            listas = verificadas.value_or(Atuais(s));
            if (r != ResultadoVerificacao::Prevista)
                codigo = Recusado;
            else if (comando == QLatin1String("escalar")) {
                if (s.ErroNaPreta || !s.Aba.BEscalarVisivel)
                    codigo = VagasAbertas;
                else
                    EscalaOuDescarta(s);
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
    Imprime(saida, listas, dialogos.Textos, p.marcas.contains(QStringLiteral("explicar")));
    return codigo;
}
