#include "shell/Frm_Principale.h"

#include "drives/ComandiDrive.h"
#include "drives/FrmTaskbar.h"
#include "drives/TrueCrypt.h"
#include "encryption/ModoCartella.h"
#include "encryption/SceltaFile.h"
#include "generator/Frm_Crea_Password.h"
#include "platform/LettoreAvi.h"
#include "shell/FrmAccessi.h"
#include "shell/FrmAltreOpzioni.h"
#include "shell/Impostazioni.h"
#include "shell/Opzioni.h"
#include "shell/OpzioniChiusura.h"
#include "shell/PasswordAvvio.h"
#include "shell/RegistroAccessi.h"
#include "shell/common/Errore.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "shell/common/Menu.h"
#include "shell/common/Messaggi.h"
#include "shell/common/TestoFile.h"
#include "shell/common/Twip.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace klavo {

namespace {

// An item of a window that a later version of the program opens: shown, not yet usable.
QAction* VoceDisattivata(QMenu* menu, const QString& nome, const QString& testo,
                         const QKeySequence& scorciatoia = {}) {
    QAction* voce = menu->addAction(testo);
    voce->setObjectName(nome);
    voce->setShortcut(scorciatoia);
    voce->setEnabled(false);
    return voce;
}

QToolButton* PulsanteOperazione(QWidget* padre, const QString& nome, const QString& testo,
                                const QString& immagine) {
    auto* b = new QToolButton(padre);
    b->setObjectName(nome);
    b->setText(testo);
    b->setToolTip(testo);
    b->setIcon(QIcon(immagine));
    b->setIconSize(QSize(40, 40));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFixedSize(112, 72);
    return b;
}

// The first local path carried by a drag that a button takes: a folder for the folder buttons,
// anything that is not a folder for the file buttons (a missing file is refused as if chosen).
QString PercorsoTrascinato(const QMimeData* dati, bool cartella) {
    if (!dati)
        return {};
    const QList<QUrl> indirizzi = dati->urls();
    for (const QUrl& url : indirizzi) {
        if (!url.isLocalFile())
            continue;
        const QString percorso = QDir::cleanPath(url.toLocalFile());
        if (QFileInfo(percorso).isDir() == cartella)
            return percorso;
    }
    return {};
}

// The alarm LED: a red circle, 135 twips across.
QPixmap Led() {
    QPixmap led(9, 9);
    led.fill(Qt::transparent);
    QPainter p(&led);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::red, 1));
    p.setBrush(Qt::red);
    p.drawEllipse(QRectF(0.5, 0.5, 8, 8));
    return led;
}

} // namespace

Frm_Principale::Frm_Principale() {
    setObjectName(QStringLiteral("Frm_Principale"));
    setWindowIcon(QIcon(QStringLiteral(":/immagini/klavo.png")));
    CreaControlli();
    CreaMenuCripta();
    CreaMenuOpzioni();
    CreaMenuStrumenti();
    CreaMenuHelp();
    resize(sizeHint().width(), Pixel(AltezzaNormale));

    // Initialisation: the LED blinks for the whole run when the access log exists now.
    if (EsisteRegistroAccessi())
        AlarmBreak->start();

    // Load.
    RigaComando = Piattaforma::attuale().RigaComando();
    // A request hides the window as soon as it is served: it is never seen meanwhile.
    if (!RigaComando.isEmpty())
        setWindowOpacity(0.0);
    setWindowTitle(TitoloProgramma);
    Mnu_Informazioni_SU->setText(QStringLiteral("&Informazioni su ") + TitoloProgramma);
    MostraOpzioni();
    LunghezzaDati = 0;
}

void Frm_Principale::CreaControlli() {
    auto* centro = new QWidget(this);
    setCentralWidget(centro);

    Animation1 = new LettoreAvi(centro);
    Animation1->setObjectName(QStringLiteral("Animation1"));
    Animation1->setFixedSize(136, 28);

    Frame = new QGroupBox(centro);
    Frame->setObjectName(QStringLiteral("Frame"));
    Cmd_Cripta_File =
        PulsanteOperazione(Frame, QStringLiteral("Cmd_Cripta_File"), QStringLiteral("Cripta file"),
                           QStringLiteral(":/immagini/cripta_file.png"));
    Cmd_Cripta_Cartella = PulsanteOperazione(Frame, QStringLiteral("Cmd_Cripta_Cartella"),
                                             QStringLiteral("Cripta cartella"),
                                             QStringLiteral(":/immagini/cripta_cartella.png"));
    Cmd_Decripta_File = PulsanteOperazione(Frame, QStringLiteral("Cmd_Decripta_File"),
                                           QStringLiteral("Decripta file"),
                                           QStringLiteral(":/immagini/decripta_file.png"));
    Cmd_Decripta_Cartella = PulsanteOperazione(Frame, QStringLiteral("Cmd_Decripta_Cartella"),
                                               QStringLiteral("Decripta cartella"),
                                               QStringLiteral(":/immagini/decripta_cartella.png"));
    auto* pulsanti = new QHBoxLayout(Frame);
    // Tight enough that the window's idle height holds the buttons under a drop hint.
    pulsanti->setContentsMargins(4, 2, 4, 4);
    for (QToolButton* b :
         {Cmd_Cripta_File, Cmd_Cripta_Cartella, Cmd_Decripta_File, Cmd_Decripta_Cartella}) {
        pulsanti->addWidget(b);
        b->setAcceptDrops(true);
        b->installEventFilter(this);
    }
    connect(Cmd_Cripta_File, &QToolButton::clicked, this, &Frm_Principale::Cmd_Cripta_File_Click);
    connect(Cmd_Cripta_Cartella, &QToolButton::clicked, this,
            &Frm_Principale::Cmd_Cripta_Cartella_Click);
    connect(Cmd_Decripta_File, &QToolButton::clicked, this,
            &Frm_Principale::Cmd_Decripta_File_Click);
    connect(Cmd_Decripta_Cartella, &QToolButton::clicked, this,
            &Frm_Principale::Cmd_Decripta_Cartella_Click);

    auto* layout = new QVBoxLayout(centro);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(Animation1, 0, Qt::AlignLeft);
    layout->addWidget(Frame);
    CreaControlliCartella(*this, layout);

    // The LED stands at 2280, 240 twips, over the rest of the window.
    Image1 = new QLabel(centro);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Led());
    Image1->setGeometry(152, 16, 9, 9);
    Image1->hide();

    AlarmShow = new QTimer(this);
    AlarmShow->setObjectName(QStringLiteral("AlarmShow"));
    AlarmShow->setInterval(IntervalloAlarmShow);
    AlarmBreak = new QTimer(this);
    AlarmBreak->setObjectName(QStringLiteral("AlarmBreak"));
    AlarmBreak->setInterval(IntervalloAlarmBreak);
    TimerInfo = new QTimer(this);
    TimerInfo->setObjectName(QStringLiteral("TimerInfo"));
    TimerInfo->setInterval(IntervalloTimerInfo);
    connect(AlarmShow, &QTimer::timeout, this, &Frm_Principale::AlarmShow_Timer);
    connect(AlarmBreak, &QTimer::timeout, this, &Frm_Principale::AlarmBreak_Timer);
    connect(TimerInfo, &QTimer::timeout, this, &Frm_Principale::TimerInfo_Timer);
}

void Frm_Principale::CreaMenuCripta() {
    Mnu_Cripta = menuBar()->addMenu(QStringLiteral("&Cripta"));
    Mnu_Cripta->setObjectName(QStringLiteral("Mnu_Cripta"));
    Mnu_Cripta->menuAction()->setObjectName(QStringLiteral("Mnu_Cripta"));
    Mnu_File = Voce(
        Mnu_Cripta, QStringLiteral("Mnu_File"), QStringLiteral("&File"),
        [this] { Cmd_Cripta_File_Click(); }, QKeySequence(Qt::Key_F3));
    Separatore(Mnu_Cripta, QStringLiteral("sep1"));
    Mnu_Cartella = Voce(
        Mnu_Cripta, QStringLiteral("Mnu_Cartella"), QStringLiteral("&Cartella"),
        [this] { Cmd_Cripta_Cartella_Click(); }, QKeySequence(Qt::Key_F4));

    Mnu_Decripta = menuBar()->addMenu(QStringLiteral("&Decripta"));
    Mnu_Decripta->setObjectName(QStringLiteral("Mnu_Decripta"));
    Mnu_Decripta->menuAction()->setObjectName(QStringLiteral("Mnu_Decripta"));
    Mnu_File2 = Voce(
        Mnu_Decripta, QStringLiteral("Mnu_File2"), QStringLiteral("&File"),
        [this] { Cmd_Decripta_File_Click(); }, QKeySequence(Qt::Key_F7));
    Separatore(Mnu_Decripta, QStringLiteral("sep2"));
    Mnu_Cartella2 = Voce(
        Mnu_Decripta, QStringLiteral("Mnu_Cartella2"), QStringLiteral("&Cartella"),
        [this] { Cmd_Decripta_Cartella_Click(); }, QKeySequence(Qt::Key_F8));
}

void Frm_Principale::CreaMenuOpzioni() {
    Mnu_Opzioni = menuBar()->addMenu(QStringLiteral("&Opzioni"));
    Mnu_Opzioni->setObjectName(QStringLiteral("Mnu_Opzioni"));
    Mnu_Opzioni->menuAction()->setObjectName(QStringLiteral("Mnu_Opzioni"));
    Mnu_Elimina =
        VoceSpuntabile(Mnu_Opzioni, QStringLiteral("Mnu_Elimina"),
                       QStringLiteral("&Elimina il file origine"), [this] { Mnu_Elimina_Click(); });
    Separatore(Mnu_Opzioni, QStringLiteral("sep5"));
    Mnu_Algoritmo = Sottomenu(Mnu_Opzioni, QStringLiteral("Mnu_Algoritmo"),
                              QStringLiteral("&Algoritmo di crittografia"));
    Mnu_Veloce = VoceSpuntabile(Mnu_Algoritmo, QStringLiteral("Mnu_Veloce"),
                                QStringLiteral("&Veloce"), [this] { Mnu_Veloce_Click(); });
    Mnu_Sicuro = VoceSpuntabile(Mnu_Algoritmo, QStringLiteral("Mnu_Sicuro"),
                                QStringLiteral("&Sicuro"), [this] { Mnu_Sicuro_Click(); });
    Separatore(Mnu_Opzioni, QStringLiteral("sep3"));
    Mnu_Chiedi_Password = VoceSpuntabile(Mnu_Opzioni, QStringLiteral("Mnu_Chiedi_Password"),
                                         QStringLiteral("Chiedi &Password all'avvio"),
                                         [this] { Mnu_Chiedi_Password_Click(); });
    Separatore(Mnu_Opzioni, QStringLiteral("sep3_1"));
    Mnu_Salva_Adesso =
        Voce(Mnu_Opzioni, QStringLiteral("Mnu_Salva_Adesso"),
             QStringLiteral("&Salva opzioni adesso"), [this] { Mnu_Salva_Adesso_Click(); });
    Mnu_Salva_Uscita = VoceSpuntabile(Mnu_Opzioni, QStringLiteral("Mnu_Salva_Uscita"),
                                      QStringLiteral("Salva opzioni all'uscita"),
                                      [this] { Mnu_Salva_Uscita_Click(); });
    Mnu_Ripristina_Default = Voce(Mnu_Opzioni, QStringLiteral("Mnu_Ripristina_Default"),
                                  QStringLiteral("Ripristina opzioni di default"),
                                  [this] { Mnu_Ripristina_Default_Click(); });
}

void Frm_Principale::MostraOpzioni() {
    // A false option leaves its item as designed, unchecked.
    if (EliminaFileOrigine)
        Mnu_Elimina->setChecked(true);
    if (ChiediPasswordAvvio)
        Mnu_Chiedi_Password->setChecked(true);
    if (SalvaOpzioniUscita)
        Mnu_Salva_Uscita->setChecked(true);
    const bool veloce = AlgoritmoCodifica == QLatin1String("Veloce");
    Mnu_Veloce->setChecked(veloce);
    Mnu_Sicuro->setChecked(!veloce);
}

void Frm_Principale::Mnu_Elimina_Click() {
    Mnu_Elimina->setChecked(!Mnu_Elimina->isChecked());
    EliminaFileOrigine = Mnu_Elimina->isChecked();
}

void Frm_Principale::Mnu_Veloce_Click() {
    if (Mnu_Veloce->isChecked())
        return;
    Mnu_Veloce->setChecked(true);
    Mnu_Sicuro->setChecked(false);
    AlgoritmoCodifica = QStringLiteral("Veloce");
}

void Frm_Principale::Mnu_Sicuro_Click() {
    if (Mnu_Sicuro->isChecked())
        return;
    Mnu_Sicuro->setChecked(true);
    Mnu_Veloce->setChecked(false);
    AlgoritmoCodifica = QStringLiteral("Sicuro");
}

void Frm_Principale::Mnu_Chiedi_Password_Click() {
    if (Mnu_Chiedi_Password->isChecked()) {
        const Risposta r =
            Msg(QStringLiteral("Tutti gli utenti potranno accedere a ") + TitoloProgramma +
                    QStringLiteral(".\r\nEliminare la Password di avvio del "
                                   "programma?"),
                Icona::Esclamazione, Pulsanti::SiNo, TitoloProgramma, Risposta::No);
        if (r != Risposta::Si)
            return;
        Mnu_Chiedi_Password->setChecked(false);
        ChiediPasswordAvvio = false;
        SalvaOpzioni(QStringLiteral("Elimina Password di avvio"));
        // A file that has vanished meanwhile leaves the password off all the same.
        if (!EliminaPasswordAvvio())
            Msg(QStringLiteral("Impossibile eliminare il file della Password di avvio \"%1\".")
                    .arg(FilePasswordAvvio()),
                Icona::Errore);
        return;
    }

    const QString password = InputBox(QStringLiteral("Inserire la password di avvio:"),
                                      QStringLiteral("Password di Avvio"));
    if (password.isEmpty())
        return;
    if (const auto c = testo::CarattereNonAmmesso(password)) {
        Msg(testo::MessaggioCarattereNonAmmesso(*c), Icona::Errore);
        return;
    }
    if (Msg(QStringLiteral("Confermare '") + password + QStringLiteral("' come Password di avvio?"),
            Icona::Domanda, Pulsanti::OKAnnulla) != Risposta::OK)
        return;
    ChiediPasswordAvvio = true;
    Mnu_Chiedi_Password->setChecked(true);
    SalvaOpzioni(QStringLiteral("Salva Password di avvio"));
    try {
        ScriviPasswordAvvio(password);
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
    }
}

void Frm_Principale::Mnu_Salva_Adesso_Click() {
    SalvaOpzioni(QStringLiteral("Salva opzioni adesso"));
}

void Frm_Principale::Mnu_Salva_Uscita_Click() {
    Mnu_Salva_Uscita->setChecked(!Mnu_Salva_Uscita->isChecked());
    SalvaOpzioniUscita = Mnu_Salva_Uscita->isChecked();
}

void Frm_Principale::Mnu_Ripristina_Default_Click() {
    // The start-up password is not an option of this kind and stays as it is.
    EliminaFileOrigine = true;
    Mnu_Elimina->setChecked(true);
    SalvaOpzioniUscita = false;
    Mnu_Salva_Uscita->setChecked(false);
    AlgoritmoCodifica = QStringLiteral("Veloce");
    Mnu_Veloce->setChecked(true);
    Mnu_Sicuro->setChecked(false);
    if (Msg(QStringLiteral(
                "Opzioni di default ripristinate.\r\nUtilizzarle per il prossimo avvio?"),
            Icona::Informazione, Pulsanti::SiNo) == Risposta::Si)
        SalvaOpzioni(QStringLiteral("Salva opzioni di default"));
}

void Frm_Principale::CreaMenuStrumenti() {
    Mnu_Utilita = menuBar()->addMenu(QStringLiteral("&Strumenti"));
    Mnu_Utilita->setObjectName(QStringLiteral("Mnu_Utilità"));
    Mnu_Utilita->menuAction()->setObjectName(QStringLiteral("Mnu_Utilità"));
    Mnu_Genera =
        Voce(Mnu_Utilita, QStringLiteral("Mnu_Genera"), QStringLiteral("&Genera Password..."),
             [] { finestre::Finestra<Frm_Crea_Password>().show(); });
    Mnu_Archivio = VoceDisattivata(Mnu_Utilita, QStringLiteral("Mnu_Archivio"),
                                   QStringLiteral("&Archivio Password"));
    Separatore(Mnu_Utilita, QStringLiteral("sepa1"));
    MnuProtection = VoceDisattivata(Mnu_Utilita, QStringLiteral("MnuProtection"),
                                    QStringLiteral("&De Raduvadori..."));
    Separatore(Mnu_Utilita, QStringLiteral("Separator0021"));
    MnuKlavoUSB =
        VoceDisattivata(Mnu_Utilita, QStringLiteral("MnuKlavoUSB"), QStringLiteral("KlavoUSB..."));
    Separatore(Mnu_Utilita, QStringLiteral("ssas"));

    MnuDriveVirtuale = Sottomenu(Mnu_Utilita, QStringLiteral("MnuDriveVirtuale"),
                                 QStringLiteral("Drive Virtuale Criptato"));
    MnuApriDrive = Voce(
        MnuDriveVirtuale, QStringLiteral("MnuApriDrive"), QStringLiteral("Apri..."),
        [] { drive::ApriDrive(); }, QKeySequence(Qt::CTRL | Qt::Key_A));
    MnuChiudiDrive = Voce(
        MnuDriveVirtuale, QStringLiteral("MnuChiudiDrive"), QStringLiteral("Chiudi..."),
        [] { drive::ChiudiDrive(drive::Controllo::Presenza); }, QKeySequence(Qt::CTRL | Qt::Key_C));
    MnuChiudiTutti = Voce(
        MnuDriveVirtuale, QStringLiteral("MnuChiudiTutti"),
        QStringLiteral("Chiudi tutti i Drive aperti"),
        [] { drive::ChiudiTutti(drive::Controllo::Presenza); }, QKeySequence(Qt::CTRL | Qt::Key_T));
    Separatore(MnuDriveVirtuale, QStringLiteral("separat01"));
    MnuCreaDrive = VoceDisattivata(MnuDriveVirtuale, QStringLiteral("MnuCreaDrive"),
                                   QStringLiteral("Crea un nuovo Drive Virtuale Criptato"),
                                   QKeySequence(Qt::CTRL | Qt::Key_D));
    Separatore(MnuDriveVirtuale, QStringLiteral("separat02"));
    MnuAvviaTC = Voce(MnuDriveVirtuale, QStringLiteral("MnuAvviaTC"),
                      QStringLiteral("Avvia TrueCrypt"), [] { drive::AvviaTrueCrypt(); });
    Separatore(MnuDriveVirtuale, QStringLiteral("separ02"));
    MnuChiusura = Voce(MnuDriveVirtuale, QStringLiteral("MnuChiusura"),
                       QStringLiteral("Opzioni di chiusura..."), [this] { MnuChiusura_Click(); });

    Separatore(Mnu_Utilita, QStringLiteral("separ22"));
    Mnu_Estensioni = VoceDisattivata(Mnu_Utilita, QStringLiteral("Mnu_Estensioni"),
                                     QStringLiteral("&Estensione file criptati"));
    MnuAccessi = Voce(Mnu_Utilita, QStringLiteral("MnuAccessi"),
                      QStringLiteral("Accessi non autorizzati..."), [this] { MnuAccessi_Click(); });
}

void Frm_Principale::CreaMenuHelp() {
    Mnu_Help = menuBar()->addMenu(QStringLiteral("&?"));
    Mnu_Help->setObjectName(QStringLiteral("Mnu_Help"));
    Mnu_Help->menuAction()->setObjectName(QStringLiteral("Mnu_Help"));
    Mnu_Guida = Voce(
        Mnu_Help, QStringLiteral("Mnu_Guida"), QStringLiteral("&Guida in linea"),
        [this] { Mnu_Guida_Click(); }, QKeySequence(Qt::Key_F1));
    Separatore(Mnu_Help, QStringLiteral("S"));
    Mnu_Informazioni_SU = VoceDisattivata(Mnu_Help, QStringLiteral("Mnu_Informazioni_SU"),
                                          QStringLiteral("&Informazioni su "));
}

void Frm_Principale::Cmd_Cripta_File_Click() {
    CriptaFile(*this);
}

void Frm_Principale::Cmd_Decripta_File_Click() {
    DecriptaFile(*this);
}

void Frm_Principale::Cmd_Cripta_Cartella_Click() {
    EntraModoCartella(*this, true);
}

void Frm_Principale::Cmd_Decripta_Cartella_Click() {
    EntraModoCartella(*this, false);
}

void Frm_Principale::Cmd_Continua_Click() {
    ContinuaCartella(*this);
}

void Frm_Principale::Cmd_Annulla_Click() {
    AnnullaCartella(*this);
}

void Frm_Principale::List1_Click() {
    ContaSelezionati(*this);
}

void Frm_Principale::MnuChiusura_Click() {
    Piattaforma::attuale().EseguiModale(finestre::Finestra<FrmAltreOpzioni>());
    // Closed from its title bar it unloads all the same.
    if (FrmAltreOpzioni* f = finestre::SeCaricata<FrmAltreOpzioni>())
        finestre::Scarica(f);
}

void Frm_Principale::MnuAccessi_Click() {
    Piattaforma::attuale().EseguiModale(finestre::Finestra<FrmAccessi>());
    if (FrmAccessi* f = finestre::SeCaricata<FrmAccessi>())
        finestre::Scarica(f);
}

void Frm_Principale::Mnu_Guida_Click() {
    Piattaforma::attuale().MostraGuida(FileProgramma(QStringLiteral("VLHLP.hlp")));
}

void Frm_Principale::AlarmBreak_Timer() {
    Image1->hide();
    AlarmBreak->stop();
    AlarmShow->start();
}

void Frm_Principale::AlarmShow_Timer() {
    Image1->show();
    AlarmShow->stop();
    AlarmBreak->start();
}

void Frm_Principale::TimerInfo_Timer() {
    Frame->setTitle(QString());
}

bool Frm_Principale::eventFilter(QObject* oggetto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::DragEnter && tipo != QEvent::DragMove && tipo != QEvent::Drop)
        return QMainWindow::eventFilter(oggetto, evento);
    struct Bersaglio {
        QToolButton* pulsante;
        QString suggerimento;
        bool cartella;
        bool cripta;
    };
    const Bersaglio bersagli[] = {
        {Cmd_Cripta_File, QStringLiteral("Rilasciare qui per criptare il file..."), false, true},
        {Cmd_Decripta_File, QStringLiteral("Rilasciare qui per Decriptare il file..."), false,
         false},
        {Cmd_Cripta_Cartella, QStringLiteral("Rilasciare qui per criptare la cartella..."), true,
         true},
        {Cmd_Decripta_Cartella, QStringLiteral("Rilasciare qui per Decriptare la cartella..."),
         true, false},
    };
    const auto b = std::find_if(std::begin(bersagli), std::end(bersagli),
                                [oggetto](const Bersaglio& x) { return x.pulsante == oggetto; });
    if (b == std::end(bersagli))
        return QMainWindow::eventFilter(oggetto, evento);

    auto* trascina = static_cast<QDropEvent*>(evento);
    const QString percorso = PercorsoTrascinato(trascina->mimeData(), b->cartella);
    if (percorso.isEmpty())
        trascina->ignore();
    else
        trascina->acceptProposedAction();
    if (tipo != QEvent::Drop) {
        Frame->setTitle(b->suggerimento);
        // Switched on, not restarted: it goes on emptying the caption every tick.
        if (!TimerInfo->isActive())
            TimerInfo->start();
        return true;
    }
    if (percorso.isEmpty())
        return true;
    // The operation's dialogs wait for the drag to end first: the source is still holding it.
    const bool cartella = b->cartella;
    const bool cripta = b->cripta;
    QTimer::singleShot(0, this, [this, percorso, cartella, cripta] {
        if (cartella)
            EntraModoCartella(*this, cripta, percorso);
        else if (cripta)
            CriptaFile(*this, percorso);
        else
            DecriptaFile(*this, percorso);
    });
    return true;
}

bool Frm_Principale::event(QEvent* evento) {
    if (evento->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(evento);
}

void Frm_Principale::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    // A desktop without a window manager never activates the window: showing it does what the
    // activation has not done yet.
    QTimer::singleShot(0, this, [this] {
        if (!RigaComando.isEmpty() || Animation1->NumeroFotogrammi() == 0)
            Form_Activate();
    });
}

void Frm_Principale::Form_Activate() {
    Animation1->Apri(FileProgramma(QStringLiteral("Main.avi")));
    Animation1->Riproduci();
    if (!RigaComando.isEmpty())
        ServiRichiesta();
}

void Frm_Principale::ServiRichiesta() {
    hide();
    setWindowOpacity(1.0);
    DaRigaComando = true;
    // The switch, a blank, the file: quotes are part of the name.
    const QString opzione = RigaComando.left(2);
    FileRigaComando = RigaComando.mid(3);
    // Served once: a later activation finds nothing to do.
    RigaComando.clear();
    Piattaforma& piattaforma = Piattaforma::attuale();

    if (!QFileInfo(FileRigaComando).isFile()) {
        Msg(QStringLiteral("Il nome del file specificato non è valido."), Icona::Esclamazione);
        DaRigaComando = false;
        piattaforma.TerminaProgramma();
        return;
    }
    if (opzione == QLatin1String("/d")) {
        CommonDialog1.FileName = FileRigaComando;
        Cmd_Decripta_File_Click();
    } else if (opzione == QLatin1String("/c")) {
        CommonDialog1.FileName = FileRigaComando;
        Cmd_Cripta_File_Click();
    } else if (opzione == QLatin1String("/o")) {
        ApriContenitore();
    } else {
        Msg(QStringLiteral(
                "La sintassi del nome del file, della directory o del volume non è corretta."),
            Icona::Esclamazione);
        DaRigaComando = false;
        piattaforma.TerminaProgramma();
    }
}

void Frm_Principale::ApriContenitore() {
    // No option chosen (no drv.dll, an empty one, or a word that names no option): the window
    // stays minimised on the taskbar.
    QString opzione = LeggiOpzioneChiusura();
    if (opzione != OpzioneTraybar && opzione != OpzioneTrueCrypt &&
        opzione != OpzioneNessunaGestione)
        opzione.clear();
    if (opzione.isEmpty())
        showMinimized();

    Piattaforma& piattaforma = Piattaforma::attuale();
    if (!truecrypt::Presente()) {
        Msg(truecrypt::MessaggioMancante, Icona::Esclamazione);
        piattaforma.TerminaProgramma();
        return;
    }
    piattaforma.ApriFile(truecrypt::FileTrueCrypt(),
                         truecrypt::ParametriApertura(FileRigaComando, opzione == OpzioneTrueCrypt),
                         QString());

    if (opzione == OpzioneTraybar) {
        setWindowState(windowState() | Qt::WindowMinimized);
        FrmTaskbar& taskbar = finestre::Finestra<FrmTaskbar>();
        // Without a notification area the program would run unseen: the window stays on the
        // taskbar instead.
        if (!taskbar.IconaPresente()) {
            finestre::Scarica(&taskbar);
            showMinimized();
        }
    } else if (!opzione.isEmpty()) {
        piattaforma.TerminaProgramma();
        return;
    }
    // A later encryption from this window is an ordinary one.
    DaRigaComando = false;
}

void Frm_Principale::closeEvent(QCloseEvent* evento) {
    evento->accept();
    finestre::Scarica(this);
    if (SalvaOpzioniUscita)
        SalvaOpzioni(QStringLiteral("Salva opzioni all'uscita"));
}

} // namespace klavo
