#include "shell/TFPrincipal.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The maintenance items of the collective personnel, absence, return,
// seniority and initial-rest screens open them, from the item number as from a click on the line,
// and so do the first-use steps that name them.
class TesteItensPessoal : public QObject {
    Q_OBJECT
private slots:
    void abre_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("tela");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("sair");
        QTest::newRow("2") << "2"
                           << "Label2"
                           << "FIncExcCol"
                           << "Inclusão/Exclusão Coletiva"
                           << "Button4";
        QTest::newRow("3") << "3"
                           << "Label29"
                           << "FCarOrdAntig"
                           << "Relação das Antiguidades"
                           << "Button3";
        QTest::newRow("4") << "4"
                           << "Label60"
                           << "FEditaTabelasPrimEscala"
                           << "Formulário para Edição das Primeiras Folgas"
                           << "Button2";
        QTest::newRow("5") << "5"
                           << "Label17"
                           << "FInicReinicSist"
                           << "Iniciar / Reiniciar Sistema"
                           << "BSair";
        QTest::newRow("10") << "10"
                            << "Label4"
                            << "FSaiEscTemp"
                            << "Afastamento Temporário dos Serviços"
                            << "Button2";
        QTest::newRow("11") << "11"
                            << "Label5"
                            << "FVoltaParaEsc"
                            << "Voltar militar para as Escalas"
                            << "Button2";
        QTest::newRow("12") << "12"
                            << "Label38"
                            << "FEditaTabelas"
                            << "Edição das Tabelas do sistema"
                            << "Button1";
    }
    void abre() {
        QFETCH(QString, item);
        QFETCH(QString, rotulo);
        QFETCH(QString, tela);
        QFETCH(QString, titulo);
        QFETCH(QString, sair);
        JanelaPrincipal j({}, true);
        j.Mostra(QStringLiteral("TabSheet2"));
        for (int vez = 0; vez < 2; ++vez) {
            QString visto;
            RoteiroModal roteiro;
            roteiro.Quando(tela, [&](QWidget* w) {
                visto = w->windowTitle();
                Clica(w, sair);
            });
            if (vez == 0) {
                Controle<QLineEdit>(j.p.get(), "Edit8")->setText(item);
                Controle<QPushButton>(j.p.get(), "Button1")->click();
            } else {
                QTest::mouseClick(Controle(j.p.get(), rotulo), Qt::LeftButton);
            }
            QVERIFY(roteiro.Cumprido());
            QCOMPARE(visto, titulo);
        }
    }

    void passos_data() {
        QTest::addColumn<int>("passo");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("tela");
        QTest::addColumn<QString>("sair");
        QTest::newRow("2") << 2 << "Label37"
                           << "2. Incluir os militares no Sistema e nos Serviços "
                           << "FIncExcCol"
                           << "Button4";
        QTest::newRow("3") << 3 << "Label41"
                           << "3. Ordenar as antiguidades dos militares "
                           << "FCarOrdAntig"
                           << "Button3";
        QTest::newRow("4") << 4 << "Label51"
                           << "4. Cadastrar as folgas atuais dos militares "
                           << "FEditaTabelasPrimEscala"
                           << "Button2";
        QTest::newRow("5") << 5 << "Label59"
                           << "5. Informar a data da primeira escalação  "
                           << "FDiaPrimEscala"
                           << "BSair";
    }
    // The first-use steps 2 to 5 open the same screens, from the line or its
    // box.
    void passos() {
        QFETCH(int, passo);
        QFETCH(QString, rotulo);
        QFETCH(QString, texto);
        QFETCH(QString, tela);
        QFETCH(QString, sair);
        JanelaPrincipal j({}, true);
        j.Mostra(QStringLiteral("TabSheet5"));
        QCOMPARE(Controle<QLabel>(j.p.get(), rotulo)->text(), texto);
        const QStringList alvos = {rotulo, QStringLiteral("CheckBox%1").arg(passo)};
        for (const QString& alvo : alvos) {
            RoteiroModal roteiro;
            roteiro.Quando(tela, [&](QWidget* w) { Clica(w, sair); });
            QTest::mouseClick(Controle(j.p.get(), alvo), Qt::LeftButton);
            QVERIFY2(roteiro.Cumprido(), qPrintable(alvo));
        }
    }
};

REGISTRA_TESTE(TesteItensPessoal)
#include "TesteItensPessoal.moc"
