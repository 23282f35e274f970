#include "base/Tenta.h"
#include "engine/Instrucoes.h"
#include "engine/Previsao.h"
#include "engine/PrevisaoVermelha.h"
#include "engine/TFForaEscSgte.h"
#include "engine/TFObrigaEscSgte.h"
#include "engine/TFRetiraAlguem.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(QList<int>)

namespace {

// Today Sunday 10/03/2024, the last roster date; the forecast just made runs
// from Monday 11/03 to Sunday 17/03.
const Data ultima = D(10, 3, 2024);
const Data quarta = D(13, 3, 2024);

// Duties 1, 3, 4, 5 and 6; slot 2 holds none.
void Servicos(AmbienteTeste& a) {
    a.Servico(1, "Of Dia", 1, 2);
    a.Servico(3, "Sgt Dia", 1, 2);
    a.Servico(4, "Cb Dia", 1, 2);
    a.Servico(5, "Guarda", 1, 1);
    a.Servico(6, "Adj", 1, 3);
    CarregaVetSv(*a.sis, Banco::Principal);
}

void Periodo(Sistema& s) {
    for (int i = 1; i <= 8; ++i)
        s.DiasPeriodo[i] = ultima + (i - 1);
}

// An entry as "Num | duty positions | dates", zeros left out at the end.
QString Resumo(const TipoVetSgte& r) {
    QStringList sv;
    for (int k = 1; k <= 30; ++k)
        if (r.Sv[k] != 0)
            sv << QString::number(r.Sv[k]);
    int ultimaData = 30;
    while (ultimaData > 0 && r.Datas[ultimaData].Zero())
        --ultimaData;
    QStringList datas;
    for (int j = 1; j <= ultimaData; ++j)
        datas << (r.Datas[j].Zero() ? QStringLiteral("0") : r.Datas[j].Texto());
    return r.Num + " | " + sv.join(',') + " | " + datas.join(',');
}

QString Resumo(const TipoVetTemQueSer& t) {
    return QStringList{t.Num, QString::number(t.CodSv), t.Dia.Texto(), t.Usado}.join(' ');
}

QStringList Usados(const std::vector<TipoVetSgte>& vetor) {
    QStringList r;
    for (int i = 1; i <= MaxSgte && !vetor[i].Num.isEmpty(); ++i)
        r << Resumo(vetor[i]);
    return r;
}

QStringList Forcados(const Sistema& s) {
    QStringList r;
    for (int i = 1; i <= MaxTemQueSer && !s.VetTemQueSer[i].Num.isEmpty(); ++i)
        r << Resumo(s.VetTemQueSer[i]);
    return r;
}

// Everything an instruction may store.
QStringList Arranjos(const Sistema& s) {
    return QStringList{Usados(s.VetFora).join('/'), Usados(s.VetObriga).join('/'),
                       Usados(s.VetSgte).join('/'), Forcados(s).join('/')};
}

QStringList Marcados(const Sistema& s) {
    QStringList r;
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Sel == "S")
            r << QString::number(k);
    return r;
}

void Preenche(std::vector<TipoVetSgte>& vetor, int quantos) {
    for (int i = 1; i <= quantos; ++i)
        vetor[i].Num = QStringLiteral("x%1").arg(i);
}

void Seleciona(QListWidget* lista, const QList<int>& linhas) {
    for (int r : linhas)
        lista->item(r)->setSelected(true);
}

// Acts on the next modal window opened by what the test does next.
void AoAbrirModal(std::function<void(QWidget*)> acao) {
    QTimer::singleShot(0, [acao] { acao(QApplication::activeModalWidget()); });
}

} // namespace

// The exclusion and forced-assignment records, their dialogs and the decision
// after a forecast.
class TesteInstrucoes : public QObject {
    Q_OBJECT
private slots:
    void libera_bloqueios() {
        AmbienteTeste a;
        Servicos(a);
        Sistema& s = *a.sis;
        const Data x = quarta;
        TipoVetSgte janela; // duty 3 (rest 2) around x
        janela.Num = "12";
        janela.Sv[3] = 3;
        for (int j = 1; j <= 5; ++j)
            janela.Datas[j] = x + (j - 4);
        TipoVetSgte noDia; // starts on x: lifted whole
        noDia.Num = "12";
        noDia.Sv[3] = 3;
        noDia.Datas[1] = x;
        noDia.Datas[2] = x + 5;
        TipoVetSgte outroServico = janela;
        outroServico.Sv[3] = 0;
        outroServico.Sv[4] = 4;
        TipoVetSgte outroMilitar = janela;
        outroMilitar.Num = "20";
        s.VetSgte[1] = janela;
        s.VetSgte[2] = noDia;
        s.VetSgte[3] = outroServico;
        s.VetSgte[4] = outroMilitar;

        LiberaBloqueios(s, "12", 3, x);

        const QString liberada = DataLiberada().Texto();
        QCOMPARE(liberada, QStringLiteral("06/02/50"));
        QCOMPARE(Resumo(s.VetSgte[1]),
                 "12 | 3 | 10/03/24," + liberada + "," + liberada + ",13/03/24,14/03/24");
        QCOMPARE(Resumo(s.VetSgte[2]), "12 | 3 | " + QStringList(30, liberada).join(','));
        QCOMPARE(Resumo(s.VetSgte[3]), Resumo(outroServico));
        QCOMPARE(Resumo(s.VetSgte[4]), Resumo(outroMilitar));
    }

    // Excluding 12 from duties 3 and 5 on two days, through the dialog: one
    // VetFora entry, his red-day reservation around the last day lifted, and
    // the entry copied into VetSgte when the dialog closes.
    void retirar_militar() {
        AmbienteTeste a;
        Servicos(a);
        Sistema& s = *a.sis;
        Periodo(s);
        Reserva(s, "12", 5, 1, quarta);
        Reserva(s, "20", 5, 1, quarta);
        const QString reservaDe20 = Resumo(s.VetSgte[3]);

        TFForaEscSgte f(s);
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Retirar da Escala"));
        QCOMPARE(Controle<QLabel>(&f, "Label1")->text(), QStringLiteral("Número"));
        QCOMPARE(Controle<QLabel>(&f, "Label2")->text(), QStringLiteral("Serviços: não escalar"));
        QCOMPARE(Controle<QLabel>(&f, "Label3")->text(), QStringLiteral("Dias: não escalar"));
        QCOMPARE(Controle<QPushButton>(&f, "Button4")->text(),
                 QStringLiteral("Retirar militar da escala"));
        QCOMPARE(Controle<QPushButton>(&f, "Button3")->text(), QStringLiteral("Fim"));
        auto* servicos = Controle<QListWidget>(&f, "LBServicos");
        auto* dias = Controle<QListWidget>(&f, "LBDias");
        const QStringList linhas = Itens(servicos);
        QCOMPARE(linhas.size(), 30);
        QCOMPARE(linhas.mid(0, 7),
                 QStringList({"Of Dia", "", "Sgt Dia", "Cb Dia", "Guarda", "Adj", ""}));
        QCOMPARE(Itens(dias), QStringList({"11/03/24", "12/03/24", "13/03/24", "14/03/24",
                                           "15/03/24", "16/03/24", "17/03/24"}));

        auto* edit1 = Controle<QLineEdit>(&f, "Edit1");
        edit1->setText("  12");
        emit edit1->editingFinished();
        QCOMPARE(edit1->text(), QStringLiteral("12"));
        Seleciona(servicos, {2, 4});
        Seleciona(dias, {1, 2});
        QFocusEvent saida(QEvent::FocusOut);
        QApplication::sendEvent(servicos, &saida);
        QCOMPARE(Marcados(s), QStringList({"3", "5"}));

        Controle<QPushButton>(&f, "Button4")->click();
        QCOMPARE(Usados(s.VetFora), QStringList({"12 | 3,5 | 12/03/24,13/03/24"}));
        // Rest days before 13/03 lifted; the day entry starts on 13/03 and
        // lists duty 3: lifted whole.
        const QString liberada = DataLiberada().Texto();
        QCOMPARE(Resumo(s.VetSgte[1]).section(" | ", 2), liberada);
        QVERIFY(Resumo(s.VetSgte[2]).endsWith(" | " + QStringList(30, liberada).join(',')));
        QCOMPARE(Resumo(s.VetSgte[3]), reservaDe20);
        QVERIFY(edit1->text().isEmpty());
        QVERIFY(servicos->selectedItems().isEmpty());
        QVERIFY(dias->selectedItems().isEmpty());
        QVERIFY(Marcados(s).isEmpty());
        QVERIFY(s.VetSgte[5].Num.isEmpty()); // not yet in the blocking list

        Controle<QPushButton>(&f, "Button3")->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(Usados(s.VetSgte).mid(4), Usados(s.VetFora));
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    void forcar_militar_data() {
        QTest::addColumn<QList<int>>("linhasDias");
        QTest::addColumn<QStringList>("forcados");
        QTest::addColumn<QString>("janela");
        QTest::newRow("um dia") << QList<int>({2}) << QStringList({"7 4 13/03/24 N"})
                                << "13/03/24,13/03/24,12/03/24,14/03/24,11/03/24,15/03/24";
        QTest::newRow("dois dias")
            << QList<int>({2, 4}) << QStringList({"7 4 13/03/24 N", "7 4 15/03/24 N"})
            << "15/03/24,15/03/24,14/03/24,16/03/24,13/03/24,17/03/24";
        QTest::newRow("sem dia") << QList<int>() << QStringList() << "";
    }
    // Forcing 7 onto duties 6 and 4 (rest 2): duty 4, the lower, is forced; the
    // entry lists the defined duties up to 4 and the rest window from date
    // position 1.
    void forcar_militar() {
        QFETCH(QList<int>, linhasDias);
        QFETCH(QStringList, forcados);
        QFETCH(QString, janela);
        AmbienteTeste a;
        Servicos(a);
        Sistema& s = *a.sis;
        Periodo(s);
        s.VetTemQueSer[1] = {"3", 1, ultima + 1, "S"};

        TFObrigaEscSgte f(s);
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Forçar Escalação"));
        QCOMPARE(Controle<QLabel>(&f, "Label1")->text(), QStringLiteral("Número"));
        QCOMPARE(Controle<QLabel>(&f, "Label2")->text(), QStringLiteral("Selecione Um Serviço"));
        QCOMPARE(Controle<QLabel>(&f, "Label3")->text(), QStringLiteral("Selecione a(s) Data(s)"));
        QCOMPARE(Controle<QPushButton>(&f, "BGravarReg")->text(),
                 QStringLiteral("Gravar Registro"));
        QCOMPARE(Controle<QPushButton>(&f, "Button3")->text(), QStringLiteral("Fim"));
        Controle<QLineEdit>(&f, "Edit1")->setText(" 7");
        Seleciona(Controle<QListWidget>(&f, "LBServicos"), {5, 3});
        Seleciona(Controle<QListWidget>(&f, "LBDias"), linhasDias);
        Controle<QPushButton>(&f, "BGravarReg")->click();

        QCOMPARE(Usados(s.VetObriga), QStringList({"7 | 1,3,4 | " + janela}));
        QCOMPARE(Forcados(s), QStringList({"3 1 11/03/24 S"}) + forcados);
        QVERIFY(Controle<QLineEdit>(&f, "Edit1")->text().isEmpty());
        QVERIFY(Marcados(s).isEmpty());
        QVERIFY(Usados(s.VetSgte).isEmpty());
        Controle<QPushButton>(&f, "Button3")->click();
        QCOMPARE(Usados(s.VetSgte), Usados(s.VetObriga));
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    void forcar_libera_o_reservado_data() {
        QTest::addColumn<bool>("vermelho");
        QTest::addColumn<bool>("membro");
        QTest::addColumn<bool>("liberado");
        QTest::newRow("dia vermelho") << true << true << true;
        QTest::newRow("dia preto") << false << true << false;
        QTest::newRow("reservado fora do rodízio") << true << false << false;
    }
    // Forcing 7 onto duty 4 on a red day lifts the rest-day blocks of 12, whom
    // the red phase had reserved for that day; his block of the day itself
    // does not list duty 4 and stays.
    void forcar_libera_o_reservado() {
        QFETCH(bool, vermelho);
        QFETCH(bool, membro);
        QFETCH(bool, liberado);
        AmbienteTeste a;
        Servicos(a);
        a.Militar("12", "DOZE");
        if (membro)
            a.Membro(4, "12");
        Sistema& s = *a.sis;
        if (vermelho)
            s.pasta.GravaLinhas("SemExped.Txt", {quarta.Texto()});
        Reserva(s, "12", 4, 2, quarta);
        const QString noDia = Resumo(s.VetSgte[2]);

        ForcaMilitar(s, {"7", {4}, {quarta}});

        const QString liberada = DataLiberada().Texto();
        QCOMPARE(Resumo(s.VetSgte[1]).section(" | ", 2),
                 liberado ? liberada + "," + liberada : QStringLiteral("12/03/24,11/03/24"));
        QCOMPARE(Resumo(s.VetSgte[2]), noDia);
        QCOMPARE(Forcados(s), QStringList({"7 4 13/03/24 N"}));
    }

    void recusas_data() {
        QTest::addColumn<bool>("forcar");
        QTest::addColumn<QString>("num");
        QTest::addColumn<QList<int>>("servicos");
        QTest::addColumn<int>("dias");
        QTest::addColumn<QString>("preparo");
        QTest::addColumn<QString>("trecho");
        const QString numero = "Digite o Número do militar. Nada foi gravado.";
        QTest::newRow("retirar sem número")
            << false << "   " << QList<int>({3}) << 1 << "" << numero;
        QTest::newRow("retirar 31 dias") << false << "12" << QList<int>({3}) << 31 << ""
                                         << "no máximo 30 dias: foram selecionados 31";
        QTest::newRow("VetFora cheio") << false << "12" << QList<int>({3}) << 1 << "fora"
                                       << "militares retirados da escala está cheia";
        QTest::newRow("retirar sem lugar no VetSgte")
            << false << "12" << QList<int>({3}) << 1 << "sgte fora"
            << "lista de bloqueios da escala está cheia";
        QTest::newRow("forçar sem número") << true << "" << QList<int>({4}) << 1 << "" << numero;
        QTest::newRow("forçar sem serviço") << true << "7" << QList<int>() << 1 << ""
                                            << "Selecione um Serviço. Nada foi gravado.";
        QTest::newRow("forçar linha vazia") << true << "7" << QList<int>({2, 7}) << 1 << ""
                                            << "Selecione um Serviço.";
        QTest::newRow("folga 15") << true << "7" << QList<int>({9}) << 1 << ""
                                  << "O Serviço Longo tem folga de 15 dias";
        QTest::newRow("VetObriga cheio") << true << "7" << QList<int>({4}) << 1 << "obriga"
                                         << "escalações forçadas está cheia";
        QTest::newRow("VetTemQueSer sem lugar") << true << "7" << QList<int>({4}) << 2 << "49"
                                                << "só restam 1: foram selecionados 2 dias";
        QTest::newRow("forçar sem lugar no VetSgte")
            << true << "7" << QList<int>({4}) << 1 << "sgte obriga"
            << "lista de bloqueios da escala está cheia";
    }
    // Every refusal shows its message and stores nothing.
    void recusas() {
        QFETCH(bool, forcar);
        QFETCH(QString, num);
        QFETCH(QList<int>, servicos);
        QFETCH(int, dias);
        QFETCH(QString, preparo);
        QFETCH(QString, trecho);
        AmbienteTeste a;
        Servicos(a);
        a.Servico(9, "Longo", 1, 15);
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        s.VetFora[1].Num = "30";
        s.VetObriga[1].Num = "31";
        if (preparo == "fora")
            Preenche(s.VetFora, MaxSgte);
        if (preparo == "obriga")
            Preenche(s.VetObriga, MaxSgte);
        if (preparo.startsWith("sgte"))
            Preenche(s.VetSgte, MaxSgte - 1); // the one used entry and the new one do not fit
        if (preparo == "49")
            for (int i = 1; i <= 49; ++i)
                s.VetTemQueSer[i] = {"5", 1, ultima + 1, "N"};
        Instrucao i{num, servicos, {}};
        for (int d = 1; d <= dias; ++d)
            i.Dias << ultima + d;
        const QStringList antes = Arranjos(s);

        a.dialogos.EsperaAviso(trecho);
        QVERIFY(!Tenta(s.dialogos, [&] { forcar ? ForcaMilitar(s, i) : RetiraMilitar(s, i); }));
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(Arranjos(s), antes);
    }

    // A refused record keeps what the operator typed and selected.
    void recusa_na_tela_mantem_a_selecao() {
        AmbienteTeste a;
        Servicos(a);
        Sistema& s = *a.sis;
        Periodo(s);
        TFObrigaEscSgte f(s);
        f.show();
        Controle<QLineEdit>(&f, "Edit1")->setText("7");
        Seleciona(Controle<QListWidget>(&f, "LBDias"), {0});
        a.dialogos.EsperaAviso("Selecione um Serviço.");
        Controle<QPushButton>(&f, "BGravarReg")->click();
        QVERIFY(a.dialogos.ScriptCumprido());
        const Instrucao i = f.Selecao();
        QCOMPARE(i.Num, QStringLiteral("7"));
        QCOMPARE(i.Dias, QList<Data>({ultima + 1}));
        QVERIFY(Usados(s.VetObriga).isEmpty());
        f.close();
        QVERIFY(Usados(s.VetSgte).isEmpty());
    }

    // The next forecast honours both: 1, first in the rotation, is kept off
    // 11/03, and 3 is forced onto 12/03. Closing the decision puts back the
    // marks the records cleared, so the duty still takes part.
    void previsao_segue_as_instrucoes() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia", 1, 0);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Militar("3", "TRES", 3);
        a.Membro(1, "1", 0);
        a.Membro(1, "2", 1);
        a.Membro(1, "3", 2);
        Sistema& s = *a.sis;
        s.pasta.GravaUltimaEscala(ultima);
        PreparaEscala(a, ultima + 3);
        RetiraMilitar(s, {"1", {1}, {ultima + 1}});
        FechaRetirada(s);
        ForcaMilitar(s, {"3", {1}, {ultima + 2}});
        FechaForcado(s);
        QVERIFY(Marcados(s).isEmpty());
        FechaDecisao(s);
        QCOMPARE(Marcados(s), QStringList({"1"}));

        PrevisaoPreta(s, ultima + 3);
        QStringList escalados;
        for (int i = 1; i <= 3; ++i)
            escalados << s.VetHist[i].Dia.Texto() + " " + s.VetHist[i].Num;
        QCOMPARE(escalados, QStringList({"11/03/24 2 ", "12/03/24 3 ", "13/03/24 1 "}));
        QCOMPARE(s.VetTemQueSer[1].Usado, QStringLiteral("S"));
    }

    void decisao_data() {
        QTest::addColumn<int>("botao");
        QTest::addColumn<QString>("instrucao"); // the dialog it opens
        QTest::addColumn<bool>("aberto");
        QTest::addColumn<bool>("prever");
        QTest::addColumn<bool>("escalar");
        QTest::addColumn<bool>("verificar");
        QTest::addColumn<QStringList>("listas"); // ListBox2, 5, 6 afterwards
        QTest::addColumn<bool>("prontoHabilitado");
        QTest::newRow("retirar") << 1 << "FForaEscSgte" << true << true << false << true
                                 << QStringList({"", "", ""}) << false;
        QTest::newRow("pronto") << 2 << "" << false << false << true << false
                                << QStringList({"escala", "", ""}) << true;
        QTest::newRow("continuar") << 3 << "" << false << false << false << true
                                   << QStringList({"escala", "erro", "alerta"}) << true;
        QTest::newRow("forçar") << 4 << "FObrigaEscSgte" << true << true << false << true
                                << QStringList({"", "", ""}) << false;
    }
    // Each choice, its effect on the tab and whether the dialog stays open.
    void decisao() {
        QFETCH(int, botao);
        QFETCH(QString, instrucao);
        QFETCH(bool, aberto);
        QFETCH(bool, prever);
        QFETCH(bool, escalar);
        QFETCH(bool, verificar);
        QFETCH(QStringList, listas);
        QFETCH(bool, prontoHabilitado);
        AmbienteTeste a;
        Servicos(a);
        Sistema& s = *a.sis;
        s.ListBox2 = {"escala"};
        s.ListBox5 = {"erro"};
        s.ListBox6 = {"alerta"};
        s.Aba.BPreverVisivel = false;
        s.Aba.BEscalarVisivel = false;
        s.Aba.Button6Visivel = true;

        TFRetiraAlguem r(s);
        QSignalSpy mudou(&r, &TFRetiraAlguem::EstadoMudou);
        r.show();
        QCOMPARE(r.windowTitle(), QStringLiteral("Retirar Militar da Escala"));
        QCOMPARE(Controle<QLabel>(&r, "Label1")->text(), QStringLiteral("Escolha uma opção:"));
        const QStringList legendas{"Retirar algum militar da escala",
                                   "Estou pronto para escalar os serviços", "Continuar a Verificar",
                                   "Forçar a escalação de militar"};
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(Controle<QRadioButton>(&r, qPrintable(QStringLiteral("RadioButton%1").arg(n)))
                         ->text(),
                     legendas[n - 1]);

        QString aberta;
        bool prontoDuranteInstrucao = true;
        if (!instrucao.isEmpty())
            AoAbrirModal([&](QWidget* w) {
                aberta = w ? w->objectName() : QString();
                prontoDuranteInstrucao = Controle<QRadioButton>(&r, "RadioButton2")->isEnabled();
                if (w)
                    Controle<QPushButton>(w, "Button3")->click();
            });
        auto* escolhido =
            Controle<QRadioButton>(&r, qPrintable(QStringLiteral("RadioButton%1").arg(botao)));
        escolhido->click();

        QCOMPARE(aberta, instrucao);
        QCOMPARE(r.isVisible(), aberto);
        QCOMPARE(mudou.count(), 1);
        QCOMPARE(s.Aba.BPreverVisivel, prever);
        QCOMPARE(s.Aba.BEscalarVisivel, escalar);
        QCOMPARE(s.Aba.Button6Visivel, verificar);
        QCOMPARE(QStringList({s.ListBox2.join(""), s.ListBox5.join(""), s.ListBox6.join("")}),
                 listas);
        QCOMPARE(Controle<QRadioButton>(&r, "RadioButton2")->isEnabled(), prontoHabilitado);
        if (!instrucao.isEmpty()) {
            QVERIFY(!prontoDuranteInstrucao);
            QVERIFY(!escolhido->isChecked());
        }
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    // Across showings: after an instruction "Estou pronto" stays disabled until
    // "Continuar a Verificar"; activation unchecks the first three buttons;
    // closing puts the Sel marks back on the duties taking part.
    void decisao_entre_aberturas() {
        AmbienteTeste a;
        Servicos(a);
        Sistema& s = *a.sis;
        s.Quantidades.Participa[1] = true;
        s.Quantidades.Participa[4] = true;
        s.VetSv[6].Sel = "S";
        TFRetiraAlguem r(s);
        r.show();
        auto* pronto = Controle<QRadioButton>(&r, "RadioButton2");
        auto* continuar = Controle<QRadioButton>(&r, "RadioButton3");
        AoAbrirModal([](QWidget* w) { w->close(); });
        Controle<QRadioButton>(&r, "RadioButton1")->click();
        QVERIFY(r.isVisible());
        QVERIFY(!pronto->isEnabled());
        continuar->click();
        QVERIFY(!r.isVisible());
        QCOMPARE(Marcados(s), QStringList({"1", "4"}));

        s.VetSv[6].Sel = "S";
        r.show();
        QVERIFY(pronto->isEnabled());
        QVERIFY(!continuar->isChecked());
        r.close(); // closing without a choice applies the closing rule too
        QCOMPARE(Marcados(s), QStringList({"1", "4"}));
    }
};

REGISTRA_TESTE(TesteInstrucoes)
#include "TesteInstrucoes.moc"
