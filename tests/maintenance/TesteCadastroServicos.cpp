#include "maintenance/CadastroServicos.h"
#include "maintenance/TFIncExcAltSv.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString mensagemHistorico = QStringLiteral(
    "O serviço não poderá ser excluído enquanto houver registros no Arquivo Histórico \n"
    "Assim,o programa apenas irá alterar as datas Início e Fim do Serviço para 01/01/00.\n"
    "Quando não houver mais registros do serviço em Histórico, processe novamente a exclusão");

// The duty form, shown offscreen and driven by its controls.
struct Tela {
    explicit Tela(Sistema& s) : t(s) { t.show(); }
    TFIncExcAltSv t;

    QLineEdit* Edit(int i) { return t.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i)); }
    QPushButton* Botao(int i) {
        return t.findChild<QPushButton*>(QStringLiteral("Button%1").arg(i));
    }
    QRadioButton* Tipo(int i) {
        return t.findChild<QRadioButton*>(QStringLiteral("RGTipoSvItem%1").arg(i));
    }
    int TipoMarcado() {
        for (int i = 0; i < 3; ++i)
            if (Tipo(i)->isChecked())
                return i;
        return -1;
    }
    // 1 Incluir, 2 Excluir, 3 Alterar
    void Modo(int i) {
        t.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(i))->click();
    }
    void Preenche(const QStringList& campos) { // Edit1..Edit7, in order
        for (int i = 0; i < campos.size(); ++i)
            Edit(i + 1)->setText(campos[i]);
    }
    QStringList Campos() {
        QStringList c;
        for (int i = 1; i <= 7; ++i)
            c << Edit(i)->text();
        return c;
    }
    void Grava() { Botao(1)->click(); }
};

} // namespace

// The duty definitions form: modes, recording, removal and its refusals.
class TesteCadastroServicos : public QObject {
    Q_OBJECT
private slots:
    void legendas_e_modos() {
        AmbienteTeste a;
        Tela f(*a.sis);
        QCOMPARE(f.t.windowTitle(), QStringLiteral("Cadastro dos Serviços"));
        QCOMPARE(f.t.findChild<QLabel*>("Label7")->text(), QStringLiteral("Cadastro dos Serviços"));
        QCOMPARE(f.t.findChild<QLabel*>("Label9")->text(), QStringLiteral("Folga"));
        QVERIFY(f.t.findChild<QLabel*>("Label4")->isHidden());
        QVERIFY(f.Edit(4)->isHidden());
        QCOMPARE(f.Edit(7)->toolTip(), QStringLiteral("1 = 24 h  ,  2 = 48 h "));
        QCOMPARE(f.t.findChild<QGroupBox*>("RGTipoSv")->title(), QStringLiteral("Tipo da Escala"));
        QCOMPARE(f.Tipo(0)->text(),
                 QStringLiteral("Preta + Vermelha ....   (dias COM e SEM expediemte)"));
        QCOMPARE(f.Tipo(1)->text(),
                 QStringLiteral("Preta ..................    (somente dias COM expediente)"));
        QCOMPARE(f.Tipo(2)->text(),
                 QStringLiteral("Vermelha ..............   (somente dias  SEM expediente)"));
        // At rest: nothing but the modes and "Sair".
        QCOMPARE(f.Botao(1)->text(), QStringLiteral("Botão de gravação"));
        QVERIFY(!f.Botao(1)->isEnabled());
        QVERIFY(!f.Botao(2)->isEnabled());
        QVERIFY(!f.Edit(1)->isEnabled());
        QCOMPARE(f.TipoMarcado(), 0);

        f.Modo(1);
        QCOMPARE(f.Botao(1)->text(), QStringLiteral("Efetivar Inclusão"));
        QCOMPARE(f.Campos(), QStringList({"", "", "", "", "01/01/00", "01/01/50", "2"}));
        QVERIFY(f.Edit(2)->isEnabled() && f.Botao(2)->isEnabled());
        f.Edit(2)->setText("Guarda");
        f.Modo(2);
        QCOMPARE(f.Botao(1)->text(), QStringLiteral("Efetivar Exclusão"));
        QVERIFY(f.Edit(1)->isEnabled());
        QVERIFY(!f.Edit(2)->isEnabled() && !f.Edit(7)->isEnabled());
        QCOMPARE(f.Edit(2)->text(), QStringLiteral("Guarda")); // switching keeps the edits
        f.Modo(3);
        QCOMPARE(f.Botao(1)->text(), QStringLiteral("Efetivar Alteração"));

        // A click on the mode frame puts the type back on its first item.
        f.Tipo(2)->setChecked(true);
        QTest::mouseClick(f.t.findChild<QGroupBox*>("RadioGroup1"), Qt::LeftButton, Qt::NoModifier,
                          QPoint(2, 2));
        QCOMPARE(f.TipoMarcado(), 0);

        f.Botao(2)->click(); // "Limpar"
        QCOMPARE(f.t.Modo(), ModoServico::Nenhum);
        QCOMPARE(f.Campos(), QStringList({"", "", "", "", "", "", ""}));
        QVERIFY(!f.Botao(1)->isEnabled() && !f.Edit(1)->isEnabled());
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    void inclusao_data() {
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("linha");
        QTest::addColumn<QStringList>("avisos");
        QTest::newRow("padrões, prioridade vazia")
            << QStringList({"7", "Guarda", "3", "", "01/01/00", "01/01/50", "2"}) << 0
            << QStringList({"7", "Guarda", "2000-01-01", "2050-01-01", "3", "31", "2", "PV"})
            << QStringList();
        // The cut is said once, when the duty is recorded.
        QTest::newRow("descrição cortada em 8")
            << QStringList({"30", "Sentinela Norte", "1", "4", "15/03/24", "31/12/2024", "1"}) << 2
            << QStringList({"30", "Sentinel", "2024-03-15", "2024-12-31", "1", "4", "1", "Vm"})
            << QStringList({"A descrição \"Sentinela Norte\" tem mais de 8 caracteres: foi "
                            "gravada como \"Sentinel\"."});
        QTest::newRow("mais de 24 militares")
            << QStringList({"1", "Ronda", "25", "", "01/01/00", "01/01/50", "2"}) << 1
            << QStringList({"1", "Ronda", "2000-01-01", "2050-01-01", "25", "31", "2", "Pt"})
            << QStringList();
    }
    void inclusao() {
        QFETCH(QStringList, campos);
        QFETCH(int, tipo);
        QFETCH(QStringList, linha);
        QFETCH(QStringList, avisos);
        AmbienteTeste a;
        a.Servico(12, "Of Dia");
        Tela f(*a.sis);
        f.Modo(1);
        f.Preenche(campos);
        f.Tipo(tipo)->setChecked(true);
        for (const QString& aviso : avisos)
            a.dialogos.EsperaAviso(aviso);
        f.Grava();
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos, avisos);
        const int cod = campos[0].toInt();
        const QList<QStringList> linhas = a.Linhas("Sv");
        QCOMPARE(linhas.size(), 2);
        QCOMPARE(linhas[cod < 12 ? 0 : 1], linha); // rows in code order
        QCOMPARE(LinhaRelacao(*a.sis, cod), QStringLiteral("%1 - %2").arg(cod).arg(linha[1]));
        // Back at rest.
        QCOMPARE(f.t.Modo(), ModoServico::Nenhum);
        QCOMPARE(f.Campos(), QStringList({"", "", "", "", "", "", ""}));
        QVERIFY(!f.Botao(1)->isEnabled());
    }

    // A taken code in "Incluir" is refused and the stored duty is shown, with
    // its own rest rather than the default.
    void codigo_ja_existente() {
        AmbienteTeste a;
        a.Servico(4, "Sgt Dia", 2, 3, "Pt", D(1, 2, 2023), D(31, 12, 2030), 6);
        const auto antes = a.Linhas("Sv");
        Tela f(*a.sis);
        f.Modo(1);
        f.Preenche({"4", "Novo", "1"});
        a.dialogos.EsperaAviso("Código já existente");
        f.Grava();
        QCOMPARE(a.dialogos.Textos, QStringList({"Código já existente"}));
        QCOMPARE(f.Campos(), QStringList({"4", "Sgt Dia", "2", "6", "01/02/23", "31/12/30", "3"}));
        QCOMPARE(f.TipoMarcado(), 1);
        QCOMPARE(f.t.Modo(), ModoServico::Incluir);
        QCOMPARE(a.Linhas("Sv"), antes);
    }

    // Typing a code in "Alterar" shows the duty; the priority shown is kept.
    void alteracao_mostra_e_mantem_prioridade() {
        AmbienteTeste a;
        a.Servico(9, "Plantão", 1, 1, "Vm", D(1, 1, 2020), D(1, 1, 2040), 7);
        Tela f(*a.sis);
        f.Modo(3);
        f.Edit(1)->setText("9");
        QCOMPARE(f.Campos(), QStringList({"9", "Plantão", "1", "7", "01/01/20", "01/01/40", "1"}));
        QCOMPARE(f.TipoMarcado(), 2);
        f.Edit(3)->setText("4");
        f.Grava();
        QCOMPARE(a.Linhas("Sv"), QList<QStringList>({{"9", "Plantão", "2020-01-01", "2040-01-01",
                                                      "4", "7", "1", "Vm"}}));
    }

    void exclusao_sem_historico() {
        AmbienteTeste a;
        a.Servico(2, "Of Dia");
        a.Servico(5, "Guarda", 3);
        a.Militar("12", "ALVES");
        a.Membro(5, "12", 4, 2);
        a.Membro(2, "12", 1, 1);
        a.Historico(D(1, 3, 2024), 2, "Of Dia", "12"); // another duty's history
        Tela f(*a.sis);
        const QRect relacao = Controle(&f.t, "AreaRelacao")->geometry();
        const QImage antes = f.t.grab(relacao).toImage();
        f.Modo(2);
        f.Edit(1)->setText("5");
        QCOMPARE(f.Edit(2)->text(), QStringLiteral("Guarda"));
        f.Grava();
        QVERIFY(a.dialogos.Textos.isEmpty());
        QCOMPARE(a.Coluna("Sv", "CodSv"), QStringList({"2"}));
        QVERIFY(a.Linhas("Sv5").isEmpty());
        QCOMPARE(a.Linhas("Sv2").size(), 1);
        QCOMPARE(LinhaRelacao(*a.sis, 5), QStringLiteral("5 - "));
        QCOMPARE(LinhaRelacao(*a.sis, 2), QStringLiteral("2 - Of Dia"));
        // The painted list of duties follows the removal.
        QVERIFY(f.t.grab(relacao).toImage() != antes);
    }

    // A duty with history is deactivated; once the history is purged a second
    // removal frees its code.
    void exclusao_com_historico() {
        AmbienteTeste a;
        a.Servico(5, "Guarda", 3, 1, "Pt", D(1, 1, 2020), D(1, 1, 2040), 4);
        a.Militar("12", "ALVES");
        a.Membro(5, "12", 4, 2);
        a.Historico(D(1, 3, 2024), 5, "Guarda", "12");
        {
            Tela f(*a.sis);
            f.Modo(2);
            f.Edit(1)->setText("5");
            a.dialogos.EsperaAviso("O serviço não poderá ser excluído");
            f.Grava();
            QCOMPARE(a.dialogos.Textos, QStringList({mensagemHistorico}));
            QCOMPARE(a.Linhas("Sv"), QList<QStringList>({{"5", "Guarda", "2000-01-01", "2000-01-01",
                                                          "3", "31", "2", "Pt"}}));
            QVERIFY(a.Linhas("Sv5").isEmpty());
            QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"12"}));
        }
        a.sis->dm.EsvaziaTabela("Hist");
        a.dialogos.Limpa();
        Tela f(*a.sis);
        f.Modo(2);
        f.Edit(1)->setText("5");
        f.Grava();
        QVERIFY(a.dialogos.Textos.isEmpty());
        QVERIFY(a.Linhas("Sv").isEmpty());
        QCOMPARE(LinhaRelacao(*a.sis, 5), QStringLiteral("5 - "));
    }

    // Each refusal shows its message, writes nothing and keeps the form as it is.
    void recusas_data() {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QStringList>("campos");
        QTest::addColumn<QString>("mensagem");
        const QStringList ok = {"8", "Ronda", "2", "", "01/01/00", "01/01/50", "2"};
        auto com = [&](int i, const QString& v) {
            QStringList c = ok;
            c[i] = v;
            return c;
        };
        QTest::newRow("início vazio") << 1 << com(4, "") << " >>> Data inválida";
        QTest::newRow("fim inválido") << 1 << com(5, "31/02/24") << "31/02/24 >>> Data inválida";
        QTest::newRow("datas antes do código")
            << 1 << QStringList({"", "", "", "", "x", "01/01/50", ""}) << "x >>> Data inválida";
        QTest::newRow("código vazio") << 1 << com(0, "") << "Campo Código é obrigatório";
        QTest::newRow("código 0") << 1 << com(0, "0")
                                  << "Código deve ser um número inteiro de 1 a 30: \"0\"";
        QTest::newRow("código 31")
            << 3 << com(0, "31") << "Código deve ser um número inteiro de 1 a 30: \"31\"";
        QTest::newRow("código não numérico")
            << 2 << com(0, "a3") << "Código deve ser um número inteiro de 1 a 30: \"a3\"";
        QTest::newRow("alterar inexistente") << 3 << ok << "Código inexistente";
        QTest::newRow("excluir inexistente") << 2 << ok << "Código inexistente";
        QTest::newRow("descrição vazia")
            << 1 << com(1, "") << "Campos Descrição, Quantidade e Folga são obrigatórios";
        QTest::newRow("folga vazia")
            << 1 << com(6, "") << "Campos Descrição, Quantidade e Folga são obrigatórios";
        QTest::newRow("quantidade não inteira")
            << 1 << com(2, "2,5") << "Campo Quantidade deve ser um número inteiro: \"2,5\"";
        QTest::newRow("quantidade zero")
            << 1 << com(2, "0")
            << "Campo Quantidade deve ser de pelo menos 1 militar por dia: \"0\"";
        QTest::newRow("prioridade não inteira")
            << 1 << com(3, "alta") << "Campo Prioridade deve ser um número inteiro: \"alta\"";
        QTest::newRow("folga não inteira")
            << 1 << com(6, "2d") << "Campo Folga deve ser um número inteiro: \"2d\"";
        QTest::newRow("fim antes do início")
            << 1 << com(5, "31/12/99")
            << "O Final do Serviço (31/12/99) não pode ser anterior ao Início do Serviço "
               "(01/01/00)";
    }
    void recusas() {
        QFETCH(int, modo);
        QFETCH(QStringList, campos);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        a.Servico(3, "Of Dia");
        a.Militar("12", "ALVES");
        a.Membro(3, "12", 1, 1);
        const auto sv = a.Linhas("Sv");
        const auto sv3 = a.Linhas("Sv3");
        Tela f(*a.sis);
        f.Modo(modo);
        f.Preenche(campos);
        a.dialogos.EsperaAviso(mensagem);
        f.Grava();
        QCOMPARE(a.dialogos.Textos, QStringList({mensagem}));
        QCOMPARE(a.Linhas("Sv"), sv);
        QCOMPARE(a.Linhas("Sv3"), sv3);
        QCOMPARE(static_cast<int>(f.t.Modo()), modo);
        QCOMPARE(f.Campos(), campos);
    }

    // Leaving the quantity above 24 warns and keeps the value.
    void aviso_ao_sair_da_quantidade_data() {
        QTest::addColumn<QString>("quantidade");
        QTest::addColumn<bool>("avisa");
        QTest::newRow("24") << "24" << false;
        QTest::newRow("25") << "25" << true;
        QTest::newRow("não numérico") << "dois" << false;
    }
    void aviso_ao_sair_da_quantidade() {
        QFETCH(QString, quantidade);
        QFETCH(bool, avisa);
        AmbienteTeste a;
        Tela f(*a.sis);
        f.Modo(1);
        f.Edit(3)->setText(quantidade);
        if (avisa)
            a.dialogos.EsperaAviso("É possível escalar mais de 24 militares");
        QFocusEvent saida(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(f.Edit(3), &saida);
        QFocusEvent janela(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.Edit(3), &janela); // a message box taking the focus
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos.size(), avisa ? 1 : 0);
        if (avisa)
            QCOMPARE(
                a.dialogos.Textos[0],
                QStringLiteral("  É possível escalar mais de 24 militares por dia, entretanto "
                               "isso poderá\nultrapassar a capacidade (120 posições)da coluna "
                               "NUMERO do arquivo \nHistórico.\n\n                   Clicar no "
                               "formulário atual para ler o Manual"));
        QCOMPARE(f.Edit(3)->text(), quantidade);
    }
};

REGISTRA_TESTE(TesteCadastroServicos)
#include "TesteCadastroServicos.moc"
