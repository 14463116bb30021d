<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="smith.Form2">
        <source></source>
        <translation>Menusmith. </translation>
    </message>
    <message id="smith.Option1">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="smith.Option2">
        <source></source>
        <translation>Configurazione testo</translation>
    </message>
    <message id="smith.Option3">
        <source></source>
        <translation>Icone</translation>
    </message>
    <message id="smith.Option4">
        <source></source>
        <translation>Database</translation>
    </message>
    <message id="smith.Option5">
        <source></source>
        <translation>Categorie</translation>
    </message>
    <message id="smith.Command13">
        <source></source>
        <translation>Aspetto Grafico  (Salva prima)</translation>
    </message>
    <message id="smith.Command25">
        <source></source>
        <translation>HELP</translation>
    </message>
    <message id="smith.Label28">
        <source></source>
        <translation>Web Page di Tarsel</translation>
    </message>
    <message id="smith.Label15">
        <source></source>
        <translation>E-mail</translation>
    </message>
    <message id="smith.Command2">
        <source></source>
        <translation>Nuovo Progetto</translation>
    </message>
    <message id="smith.Command1">
        <source></source>
        <translation>Apri</translation>
    </message>
    <message id="smith.Command10">
        <source></source>
        <translation>Salva</translation>
    </message>
    <message id="smith.Command3">
        <source></source>
        <translation>Esci</translation>
    </message>
    <message id="smith.Command22">
        <source></source>
        <translation>Testa menu.exe</translation>
    </message>
    <message id="smith.Frame5">
        <source></source>
        <translation>Percorso di config.ini</translation>
    </message>
    <message id="smith.Label26">
        <source></source>
        <translation>Aprite il file config.ini per modificarlo. Oppure createlo ex-novo. Poi però ricordatevi di salvarlo. </translation>
    </message>
    <message id="smith.Frame22">
        <source></source>
        <translation>Codifica di config.ini</translation>
    </message>
    <message id="smith.Frame7">
        <source></source>
        <translation>Titolo dell&apos;applicazione</translation>
    </message>
    <message id="smith.Frame9">
        <source></source>
        <translation>Introduzione</translation>
    </message>
    <message id="smith.Frame8">
        <source></source>
        <translation>Testo nell&apos;about box</translation>
    </message>
    <message id="smith.Frame23">
        <source></source>
        <translation>Lingua del menu</translation>
    </message>
    <message id="smith.txtLanguageAuto">
        <source></source>
        <translation>Automatica</translation>
    </message>
    <message id="smith.txtLanguageIT">
        <source></source>
        <translation>Italiano</translation>
    </message>
    <message id="smith.txtLanguageEN">
        <source></source>
        <translation>Inglese</translation>
    </message>
    <message id="smith.Label27">
        <source></source>
        <translation>Specificate il titolo che menu.exe deve avere, il testo introduttivo, e quello che deve essere scritto su menu.exe</translation>
    </message>
    <message id="smith.Label25">
        <source></source>
        <translation>Scegliete la grafica per i pulsati dell&apos;applicazione (&quot;INSTALLA&quot; e &quot;EXTRA&quot;) e l&apos;icona di default di menu.exe</translation>
    </message>
    <message id="smith.Label4">
        <source></source>
        <translation>Icona di Default</translation>
    </message>
    <message id="smith.Label5">
        <source></source>
        <translation>Icona per il pulsante &quot;INSTALLA&quot;</translation>
    </message>
    <message id="smith.Label12">
        <source></source>
        <translation>Icona per il pulsante &quot;INSTALLA&quot; premuto</translation>
    </message>
    <message id="smith.Label13">
        <source></source>
        <translation>Icona per il pulsante EXTRA</translation>
    </message>
    <message id="smith.Label14">
        <source></source>
        <translation>Icona per il pulsante EXTRA premuto</translation>
    </message>
    <message id="smith.Frame10">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="smith.Command5">
        <source></source>
        <translation>AGGIUNGI</translation>
    </message>
    <message id="smith.Command4">
        <source></source>
        <translation>MODIFICA</translation>
    </message>
    <message id="smith.Command6">
        <source></source>
        <translation>ELIMINA</translation>
    </message>
    <message id="smith.Command7">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="smith.Command99">
        <source></source>
        <translation>CANCELLA</translation>
    </message>
    <message id="smith.Frame13">
        <source></source>
        <translation>Descrizione del programma</translation>
    </message>
    <message id="smith.Label17">
        <source></source>
        <translation>Nome</translation>
    </message>
    <message id="smith.Label18">
        <source></source>
        <translation>Descrizione</translation>
    </message>
    <message id="smith.Label19">
        <source></source>
        <translation>Immagine</translation>
    </message>
    <message id="smith.Frame14">
        <source></source>
        <translation>Pulsante 1: INSTALLA</translation>
    </message>
    <message id="smith.Label20">
        <source></source>
        <translation>Testo</translation>
    </message>
    <message id="smith.Label23">
        <source></source>
        <translation>Testo</translation>
    </message>
    <message id="smith.Label21">
        <source></source>
        <translation>Programma</translation>
    </message>
    <message id="smith.Label24">
        <source></source>
        <translation>Programma</translation>
    </message>
    <message id="smith.Label22">
        <source></source>
        <translation>Percorso</translation>
    </message>
    <message id="smith.Frame15">
        <source></source>
        <translation>Pulsante 3: EXTRA</translation>
    </message>
    <message id="smith.Label30">
        <source></source>
        <translation>Categoria: </translation>
    </message>
    <message id="smith.Check1">
        <source></source>
        <translation>Abilitazione Categorie</translation>
    </message>
    <message id="smith.Label29">
        <source></source>
        <translation>Nuova Categoria</translation>
    </message>
    <message id="smith.Command28">
        <source></source>
        <translation>Aggiungi</translation>
    </message>
    <message id="smith.Command29">
        <source></source>
        <translation>Rimuovi</translation>
    </message>
    <message id="smith.Command30">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="smith.Command31">
        <source></source>
        <translation>Cancella</translation>
    </message>
    <message id="smith.file">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="smith.nuovo">
        <source></source>
        <translation>&amp;Nuovo Progetto...</translation>
    </message>
    <message id="smith.load">
        <source></source>
        <translation>&amp;Apri...</translation>
    </message>
    <message id="smith.save">
        <source></source>
        <translation>&amp;Salva</translation>
    </message>
    <message id="smith.testamenu2">
        <source></source>
        <translation>Testa menu.exe</translation>
    </message>
    <message id="smith.esci">
        <source></source>
        <translation>&amp;Esci</translation>
    </message>
    <message id="smith.Progetto">
        <source></source>
        <translation>&amp;Progetto</translation>
    </message>
    <message id="smith.file2">
        <source></source>
        <translation>&amp;File </translation>
    </message>
    <message id="smith.Configurazionetesto">
        <source></source>
        <translation>&amp;Configurazione testo</translation>
    </message>
    <message id="smith.icone">
        <source></source>
        <translation>&amp;Icone</translation>
    </message>
    <message id="smith.categorie">
        <source></source>
        <translation>&amp;Categorie</translation>
    </message>
    <message id="smith.database">
        <source></source>
        <translation>&amp;Database</translation>
    </message>
    <message id="smith.AspettoGrafico">
        <source></source>
        <translation>Aspetto &amp;Grafico</translation>
    </message>
    <message id="smith.Help">
        <source></source>
        <translation>&amp;Help</translation>
    </message>
    <message id="smith.Readme">
        <source></source>
        <translation>Guida</translation>
    </message>
    <message id="smith.Aboutbox">
        <source></source>
        <translation>About</translation>
    </message>
    <message id="smith.Emailme">
        <source></source>
        <translation>E-mail</translation>
    </message>
    <message id="smith.suggerimenti">
        <source></source>
        <translation>Invia Suggerimenti</translation>
    </message>
    <message id="smith.WebPage">
        <source></source>
        <translation>Web Page</translation>
    </message>
    <message id="smith.Aggiornamenti">
        <source></source>
        <translation>Aggiornamenti</translation>
    </message>
    <message id="smith.CheckDisc">
        <source></source>
        <translation>Verifica disco</translation>
    </message>
    <message id="smith.chkSeverity">
        <source></source>
        <translation>Gravità</translation>
    </message>
    <message id="smith.chkApplication">
        <source></source>
        <translation>Applicazione</translation>
    </message>
    <message id="smith.chkField">
        <source></source>
        <translation>Campo</translation>
    </message>
    <message id="smith.chkReason">
        <source></source>
        <translation>Problema</translation>
    </message>
    <message id="smith.chkClose">
        <source></source>
        <translation>Chiudi</translation>
    </message>
    <message id="smith.chk-error">
        <source></source>
        <translation>Errore</translation>
    </message>
    <message id="smith.chk-warning">
        <source></source>
        <translation>Avviso</translation>
    </message>
    <message id="smith.chk-info">
        <source></source>
        <translation>Informazione</translation>
    </message>
    <message id="smith.txtCheckSaveFirst">
        <source></source>
        <translation>Il progetto ha modifiche non salvate e la verifica legge il config.ini salvato. Salvare prima?</translation>
    </message>
    <message id="smith.PrepareDisc">
        <source></source>
        <translation>Prepara disco…</translation>
    </message>
    <message id="smith.pubSaveFirst">
        <source></source>
        <translation>Il progetto ha modifiche non salvate e il disco si fa dal config.ini salvato. Salvare prima?</translation>
    </message>
    <message id="smith.pubChooseTarget">
        <source></source>
        <translation>Cartella del disco (vi si scrive config.ini)</translation>
    </message>
    <message id="smith.pubNoConfig">
        <source></source>
        <translation>Nella cartella &quot;%1&quot; non c&apos;è config.ini.</translation>
    </message>
    <message id="smith.pubTargetOverlaps">
        <source></source>
        <translation>La cartella del disco &quot;%1&quot; non può stare nel progetto né contenerlo.</translation>
    </message>
    <message id="smith.pubNoRuntime">
        <source></source>
        <translation>Il runtime del menu non c&apos;è. Cercato in: %1</translation>
    </message>
    <message id="smith.pubNoXorriso">
        <source></source>
        <translation>Per l&apos;immagine ISO serve xorriso, che non è installato (pacchetto Debian &quot;xorriso&quot;).</translation>
    </message>
    <message id="smith.pubIsoInside">
        <source></source>
        <translation>L&apos;immagine &quot;%1&quot; non può stare nella cartella del disco.</translation>
    </message>
    <message id="smith.pubCheckErrors">
        <source></source>
        <translation>La verifica del disco ha trovato errori: il disco non è stato preparato.</translation>
    </message>
    <message id="smith.pubCannotMake">
        <source></source>
        <translation>Non si può creare la cartella &quot;%1&quot;.</translation>
    </message>
    <message id="smith.pubOtherConfig">
        <source></source>
        <translation>In &quot;%1&quot; c&apos;è già un altro config.ini. Sostituirlo?</translation>
    </message>
    <message id="smith.pubForceHint">
        <source></source>
        <translation>Con --force il disco si prepara lo stesso.</translation>
    </message>
    <message id="smith.pubCopyFailed">
        <source></source>
        <translation>Copia non riuscita: %1</translation>
    </message>
    <message id="smith.pubCopyingProject">
        <source></source>
        <translation>Copia del progetto: %1%</translation>
    </message>
    <message id="smith.pubCopyingRuntime">
        <source></source>
        <translation>Copia del runtime del menu: %1%</translation>
    </message>
    <message id="smith.pubWritingIso">
        <source></source>
        <translation>Scrittura dell&apos;immagine ISO %1</translation>
    </message>
    <message id="smith.pubKept">
        <source></source>
        <translation>%1 è già nel progetto: resta quello dell&apos;autore.</translation>
    </message>
    <message id="smith.pubIsoFailed">
        <source></source>
        <translation>Immagine ISO non riuscita: %1</translation>
    </message>
    <message id="smith.pubDone">
        <source></source>
        <translation>Disco pronto in &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtAttention">
        <source></source>
        <translation>ATTENZIONE</translation>
    </message>
    <message id="smith.txtOpenOrCreate">
        <source></source>
        <translation>Devi aprire o creare il file config.ini</translation>
    </message>
    <message id="smith.txtSelectConfig">
        <source></source>
        <translation>Devi selezionare il file confi.ini</translation>
    </message>
    <message id="smith.txtOverwrite">
        <source></source>
        <translation>Vuoi sovrascrivere una eventuale configurazione ?</translation>
    </message>
    <message id="smith.txtOverwriteTitle">
        <source></source>
        <translation>Sovrascrivere</translation>
    </message>
    <message id="smith.txtConfigExists">
        <source></source>
        <translation>Il file config.ini esiste già nella posizione scelta. Se si sceglie di continuare il file selezionato verrà completamente azzerato. </translation>
    </message>
    <message id="smith.txtResetConfig">
        <source></source>
        <translation>Azzerare il config.ini selezionato ?</translation>
    </message>
    <message id="smith.txtUnsavedTest">
        <source></source>
        <translation>Se il progetto non è stato salvato, non si potranno vedere le modifiche ad esso effettuate </translation>
    </message>
    <message id="smith.txtOpenMenu">
        <source></source>
        <translation>Aprire menu.exe ?</translation>
    </message>
    <message id="smith.txtUnsavedExit">
        <source></source>
        <translation>Se il progetto non è stato salvato tutte le modifiche al file config.ini andranno perdute. </translation>
    </message>
    <message id="smith.txtExit">
        <source></source>
        <translation>Uscire comunque ?</translation>
    </message>
    <message id="smith.txtOpenConfig">
        <source></source>
        <translation>Apri il file config.ini</translation>
    </message>
    <message id="smith.txtSaveConfig">
        <source></source>
        <translation>Salva il file config.ini</translation>
    </message>
    <message id="smith.txtSelectExecute">
        <source></source>
        <translation>Scegli il file da eseguire</translation>
    </message>
    <message id="smith.txtExtraExecute">
        <source></source>
        <translation>Il pulsante extra esegue</translation>
    </message>
    <message id="smith.txtSelectZip">
        <source></source>
        <translation>Scegli il file da unzippare</translation>
    </message>
    <message id="smith.txtSelectImage">
        <source></source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
    <message id="smith.txtSelectIcon">
        <source></source>
        <translation>Scegli un&apos;icona</translation>
    </message>
    <message id="smith.tipPicture">
        <source></source>
        <translation>Clicca qui per inserire un&apos;immagine</translation>
    </message>
    <message id="smith.tipZip">
        <source></source>
        <translation>Premi qui per scegliere un file formato ZIP</translation>
    </message>
    <message id="smith.tipInternet">
        <source></source>
        <translation>Premi qui per scegliere un indirizzo Web,Ftp,Email </translation>
    </message>
    <message id="smith.tipProgram">
        <source></source>
        <translation>Premi qui per scegliere un file eseguibile (EXE,COM,BAT...)</translation>
    </message>
    <message id="smith.tipAnyFile">
        <source></source>
        <translation>Premi qui per scegliere qualsiasi tipo di file presente nelle associazioni di windows (gif, wav, mid, doc, txt, jpg, *.* ...)</translation>
    </message>
    <message id="smith.txtCancelCaps">
        <source></source>
        <translation>CANCELLA</translation>
    </message>
    <message id="smith.txtInternetHint">
        <source></source>
        <translation>Inserire un indirizzo di posta elettronica, oppure una pagina web da visitare, o un file che si trova su ftp</translation>
    </message>
    <message id="smith.txtWebAddress">
        <source></source>
        <translation>INDIRIZZO WEB (http)</translation>
    </message>
    <message id="smith.txtFtp">
        <source></source>
        <translation>FTP</translation>
    </message>
    <message id="smith.txtEmail">
        <source></source>
        <translation>E-MAIL</translation>
    </message>
    <message id="smith.txtCancel">
        <source></source>
        <translation>Cancella</translation>
    </message>
    <message id="smith.txtDesignerHint">
        <source></source>
        <translation>Clicca su un oggetto del menu per selezionarlo. Dopodichè utilizzare le frecce del modificator per allargarlo, restringerlo o spostarlo.</translation>
    </message>
    <message id="smith.txtRestoreQuestion">
        <source></source>
        <translation>Vuoi tornare alle impostazioni definite per default ?</translation>
    </message>
    <message id="smith.txtAttention2">
        <source></source>
        <translation>Attenzione </translation>
    </message>
    <message id="smith.txtRestoreTitle">
        <source></source>
        <translation>Impostazioni di default</translation>
    </message>
    <message id="smith.txtPushButton1">
        <source></source>
        <translation>Pulsante 1</translation>
    </message>
    <message id="smith.txtPushButton2">
        <source></source>
        <translation>Pulsante 2</translation>
    </message>
    <message id="smith.txtPushButton3">
        <source></source>
        <translation>Pulsante 3</translation>
    </message>
    <message id="smith.txtTextBox">
        <source></source>
        <translation>Casella di testo</translation>
    </message>
    <message id="smith.txtDefaultImage">
        <source></source>
        <translation>Immagine di default</translation>
    </message>
    <message id="smith.txtList">
        <source></source>
        <translation>Lista</translation>
    </message>
    <message id="smith.txtLogoImage">
        <source></source>
        <translation>Immagine Logo</translation>
    </message>
    <message id="smith.txtMainWindow">
        <source></source>
        <translation>Finestra principale</translation>
    </message>
    <message id="smith.txtNone">
        <source></source>
        <translation>Nessuno</translation>
    </message>
    <message id="smith.txtUp">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtDown">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtGridSize">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtObjectSelected">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtSizePosition">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtOk">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtBackgroundImage">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtFontColor">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtBackColor">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtBackgroundColors">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="smith.txtSelectBackground">
        <source></source>
        <translation>Scegli un&apos;immagine per il background</translation>
    </message>
    <message id="smith.txtReadFailed">
        <source></source>
        <translation>Impossibile aprire il file config.ini.</translation>
    </message>
    <message id="smith.txtWriteFailed">
        <source></source>
        <translation>Il file config.ini non è stato salvato.</translation>
    </message>
    <message id="smith.txtCreateFailed">
        <source></source>
        <translation>Impossibile creare il file config.ini.</translation>
    </message>
    <message id="smith.txtMenuMissing">
        <source></source>
        <translation>Il programma menu non è stato trovato.</translation>
    </message>
    <message id="smith.txtMenuNotStarted">
        <source></source>
        <translation>Il programma menu non è partito.</translation>
    </message>
    <message id="smith.txtNotConfig">
        <source></source>
        <translation>Il file &quot;%1&quot; non contiene nessuna riga di config.ini: forse non è un file config.ini. Se lo aprite e poi salvate, il suo contenuto sarà sostituito. Aprirlo comunque?</translation>
    </message>
    <message id="smith.txtProblemNotFound">
        <source></source>
        <translation>Il file &quot;%1&quot; non esiste.</translation>
    </message>
    <message id="smith.txtProblemFolderNotFound">
        <source></source>
        <translation>La cartella del file &quot;%1&quot; non esiste.</translation>
    </message>
    <message id="smith.txtProblemIsFolder">
        <source></source>
        <translation>&quot;%1&quot; è una cartella, non un file.</translation>
    </message>
    <message id="smith.txtProblemReadDenied">
        <source></source>
        <translation>Non avete il permesso di leggere il file &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtProblemWriteDenied">
        <source></source>
        <translation>Il file &quot;%1&quot; è protetto da scrittura, e la sua cartella non permette di sostituirlo.</translation>
    </message>
    <message id="smith.txtProblemFolderWriteDenied">
        <source></source>
        <translation>La cartella del file &quot;%1&quot; non permette di creare file.</translation>
    </message>
    <message id="smith.txtProblemDiskFull">
        <source></source>
        <translation>Il disco è pieno: il file &quot;%1&quot; è rimasto com&apos;era.</translation>
    </message>
    <message id="smith.txtProblemReadFailed">
        <source></source>
        <translation>Il sistema non è riuscito a leggere il file &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtProblemWriteFailed">
        <source></source>
        <translation>Il sistema non è riuscito a scrivere il file &quot;%1&quot;: il file è rimasto com&apos;era.</translation>
    </message>
    <message id="smith.txtFieldGeneral">
        <source></source>
        <translation>Il campo %1</translation>
    </message>
    <message id="smith.txtFieldApp">
        <source></source>
        <translation>Il campo %1 dell&apos;applicazione %2</translation>
    </message>
    <message id="smith.txtFieldLayout">
        <source></source>
        <translation>La sezione del layout</translation>
    </message>
    <message id="smith.txtValueUnencodable">
        <source></source>
        <translation>%1 contiene il carattere &quot;%2&quot;, che config.ini non può contenere.</translation>
    </message>
    <message id="smith.txtAskUtf8">
        <source></source>
        <translation>Salvare config.ini in UTF-8, che contiene ogni carattere? I menu più vecchi mostrano male i testi che non sono in Windows-1252.</translation>
    </message>
    <message id="smith.txtValueLineBreak">
        <source></source>
        <translation>%1 contiene un a capo, che config.ini non può contenere.</translation>
    </message>
    <message id="smith.filterAnyFile">
        <source></source>
        <translation>Tutti i files (*.htm, *.gif, *.avi, *.wav, *.*)|*.*</translation>
    </message>
    <message id="smith.filterProgram">
        <source></source>
        <translation>Files eseguibili (*.exe)|*.exe|Files zip (*.zip)|*.zip|Tutti i file (*.*)|*.*</translation>
    </message>
    <message id="smith.filterZip">
        <source></source>
        <translation>Files zip (*.zip)|*.zip|Files eseguibili (*.exe)|*.exe|Tutti i file (*.*)|*.*</translation>
    </message>
    <message id="smith.filterImage">
        <source></source>
        <translation>Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|Tutti i file (*.*)|*.*</translation>
    </message>
    <message id="smith.filterIcon">
        <source></source>
        <translation>Icons (*.ico,*.cur)|*.ico;*.cur|Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|*.wmf;*.emf|Tutti i file (*.*)|*.*</translation>
    </message>
    <message id="smith.filterBackground">
        <source></source>
        <translation>Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|Tutti i file (*.*)|*.*</translation>
    </message>
    <message id="smith.filterOpenConfig">
        <source></source>
        <translation>File config.ini|config.ini</translation>
    </message>
    <message id="smith.filterSaveConfig">
        <source></source>
        <translation>file config.ini|config.ini</translation>
    </message>
    <message id="smith.tipMoveUp">
        <source></source>
        <translation>Sposta su</translation>
    </message>
    <message id="smith.tipMoveDown">
        <source></source>
        <translation>Sposta giù</translation>
    </message>
    <message id="check.missing-file">
        <source></source>
        <translation>%1 non esiste sul disco</translation>
    </message>
    <message id="check.case-only-match">
        <source></source>
        <translation>%1 esiste solo come %2: qui funziona, ma non su una copia che distingue maiuscole e minuscole</translation>
    </message>
    <message id="check.zip-unreadable">
        <source></source>
        <translation>%1 non è un archivio zip leggibile</translation>
    </message>
    <message id="check.zip-unsafe-member">
        <source></source>
        <translation>%1: l&apos;elemento &quot;%2&quot; verrebbe rifiutato all&apos;estrazione (%3)</translation>
    </message>
    <message id="check.picture-unreadable">
        <source></source>
        <translation>%1 esiste ma non si apre come immagine</translation>
    </message>
    <message id="check.unknown-category">
        <source></source>
        <translation>la categoria &quot;%1&quot; non è tra le categorie: il menu non mostra mai questa applicazione</translation>
    </message>
    <message id="check.uncategorised">
        <source></source>
        <translation>non ha ancora una categoria (n/a): con le categorie attive il menu non la elenca</translation>
    </message>
    <message id="check.no-categories">
        <source></source>
        <translation>le categorie sono attive ma nessuna è elencata: il menu non mostra alcuna applicazione</translation>
    </message>
    <message id="check.control-outside-window">
        <source></source>
        <translation>%1 sta del tutto fuori dalla finestra</translation>
    </message>
    <message id="check.window-too-small">
        <source></source>
        <translation>la finestra (%1 × %2) è più piccola della sua barra dei menu</translation>
    </message>
    <message id="check.unencodable-value">
        <source></source>
        <translation>il valore contiene un carattere che config.ini non può conservare: %1</translation>
    </message>
    <message id="check.utf8-value">
        <source></source>
        <translation>il valore è scritto in UTF-8: il menu mostrerebbe &quot;%1&quot; (config.ini è in Windows-1252)</translation>
    </message>
    <message id="check.windows-only">
        <source></source>
        <translation>%1 funziona solo su Windows: un disco per entrambi i sistemi deve avere anche un comando per Linux</translation>
    </message>
    <message id="check.linux-only">
        <source></source>
        <translation>%1 funziona solo su Linux, e solo finché ha il permesso di esecuzione (che FAT e ISO 9660 senza Rock Ridge non conservano): un disco per entrambi i sistemi deve avere anche un comando per Windows</translation>
    </message>
    <message id="check.no-shebang">
        <source></source>
        <translation>%1 è uno script senza la riga #!: non si avvia</translation>
    </message>
    <message id="check.exec-bit">
        <source></source>
        <translation>%1 ha bisogno del permesso di esecuzione, che questa copia non ha e che supporti come FAT o ISO 9660 non conservano</translation>
    </message>
    <message id="check.window-too-large">
        <source></source>
        <translation>la finestra (%1 × %2) supera 1024 × 768: non entra negli schermi dei portatili piccoli e dei proiettori</translation>
    </message>
    <message id="check.controls-overlap">
        <source></source>
        <translation>%1 e %2 si sovrappongono</translation>
    </message>
    <message id="check.duplicate-name">
        <source></source>
        <translation>ha lo stesso nome dell&apos;applicazione %1</translation>
    </message>
    <message id="check.empty-name">
        <source></source>
        <translation>l&apos;applicazione non ha nome</translation>
    </message>
    <message id="check.long-description">
        <source></source>
        <translation>la descrizione (%1 caratteri) è più lunga di quanto mostra il pannello di testo (circa %2)</translation>
    </message>
    <message id="check.look-alike-tag">
        <source></source>
        <translation>&quot;%1&quot; sembra un tag ma non lo è: il menu ignora la riga</translation>
    </message>
    <message id="check.unnamed-file">
        <source></source>
        <translation>%1 non è nominato da nulla</translation>
    </message>
    <message id="check.disc-too-large">
        <source></source>
        <translation>il disco occupa %1 MB, più di un %2 (%3 MB)</translation>
    </message>
    <message id="check.label-error">
        <source></source>
        <translation>ERRORE</translation>
    </message>
    <message id="check.label-warning">
        <source></source>
        <translation>AVVISO</translation>
    </message>
    <message id="check.label-info">
        <source></source>
        <translation>INFO</translation>
    </message>
    <message id="check.label-app">
        <source></source>
        <translation>applicazione %1 &quot;%2&quot;</translation>
    </message>
    <message id="check.summary">
        <source></source>
        <translation>%1 errori, %2 avvisi, %3 informazioni</translation>
    </message>
    <message id="check.clean">
        <source></source>
        <translation>Nessun problema: il disco è pronto.</translation>
    </message>
    <message id="check.unreadable-config">
        <source></source>
        <translation>config.ini non si legge: %1</translation>
    </message>
    <message id="menu.explore">
        <source></source>
        <translation>Esplora</translation>
    </message>
    <message id="menu.aboutCredit">
        <source></source>
        <translation>Questa applicazione è stata generata con Tarsel Freeware. Per maggiori informazioni visitate la web page.</translation>
    </message>
    <message id="menu.notFound">
        <source></source>
        <translation>Impossibile aprire &quot;%1&quot;: non esiste.</translation>
    </message>
    <message id="menu.windowsProgram">
        <source></source>
        <translation>&quot;%1&quot; è un programma per Windows: non può essere avviato su questo sistema.</translation>
    </message>
    <message id="menu.notAProgram">
        <source></source>
        <translation>Impossibile avviare &quot;%1&quot;: non è un programma che questo sistema può eseguire.</translation>
    </message>
    <message id="menu.noApplication">
        <source></source>
        <translation>Impossibile aprire &quot;%1&quot;: nessuna applicazione è impostata per aprirlo.</translation>
    </message>
    <message id="menu.cannotStart">
        <source></source>
        <translation>Impossibile avviare &quot;%1&quot;: il sistema non ne ha permesso l&apos;avvio.</translation>
    </message>
    <message id="unzip.locationCaption">
        <source></source>
        <translation>Origine del file zip</translation>
    </message>
    <message id="unzip.extractionCaption">
        <source></source>
        <translation>Directory di estrazione</translation>
    </message>
    <message id="unzip.replacePromptBefore">
        <source></source>
        <translation>Sovrascrivere </translation>
    </message>
    <message id="unzip.replacePromptTitle">
        <source></source>
        <translation>VBUnZip32 - Il file esiste già!</translation>
    </message>
    <message id="unzip.errorBefore">
        <source></source>
        <translation>Errore: </translation>
    </message>
    <message id="unzip.errorAfter">
        <source></source>
        <translation> Premere Ok per continuare.</translation>
    </message>
    <message id="unzip.commentLabel">
        <source></source>
        <translation>Commenti: </translation>
    </message>
    <message id="unzip.compressedSizeLabel">
        <source></source>
        <translation>Dimensione file Compressi: </translation>
    </message>
    <message id="unzip.uncompressedSizeLabel">
        <source></source>
        <translation>Dimensione file Espansi  : </translation>
    </message>
    <message id="unzip.compressionFactorLabel">
        <source></source>
        <translation>Fattore di compressione  : %</translation>
    </message>
    <message id="unzip.memberCountLabel">
        <source></source>
        <translation>Numero di file           : </translation>
    </message>
    <message id="unzip.stopCaption">
        <source></source>
        <translation>Ferma</translation>
    </message>
    <message id="unzip.stopQuestion">
        <source></source>
        <translation>Interrompere l&apos;estrazione? Il file in scrittura viene rimosso; quelli già scritti restano.</translation>
    </message>
    <message id="unzip.stoppedLine">
        <source></source>
        <translation>Estrazione interrotta. File scritti: %1</translation>
    </message>
    <message id="unzip.result1">
        <source></source>
        <translation>Alcuni file non sono stati estratti.</translation>
    </message>
    <message id="unzip.result2">
        <source></source>
        <translation>Alcuni file sono stati rifiutati: sarebbero finiti fuori dalla cartella, o erano collegamenti.</translation>
    </message>
    <message id="unzip.result3">
        <source></source>
        <translation>Il file non è un archivio zip.</translation>
    </message>
    <message id="unzip.result4">
        <source></source>
        <translation>Impossibile trovare o aprire l&apos;archivio.</translation>
    </message>
    <message id="unzip.result5">
        <source></source>
        <translation>Spazio libero insufficiente sul disco.</translation>
    </message>
    <message id="unzip.result6">
        <source></source>
        <translation>Impossibile avviare l&apos;estrazione.</translation>
    </message>
    <message id="unzip.result7">
        <source></source>
        <translation>Estrazione interrotta.</translation>
    </message>
    <message id="unzip.result8">
        <source></source>
        <translation>Nessun file corrisponde.</translation>
    </message>
    <message id="unzip.result9">
        <source></source>
        <translation>Archivio rifiutato: più voci condividono gli stessi dati (zip bomb). Non è stato scritto nulla.</translation>
    </message>
    <message id="unzip.result10">
        <source></source>
        <translation>L&apos;archivio è danneggiato: i file leggibili sono stati estratti, quelli danneggiati no.</translation>
    </message>
    <message id="unzip.messagesName">
        <source></source>
        <translation>Messaggi</translation>
    </message>
    <message id="face.categories">
        <source></source>
        <translation>Categoria</translation>
    </message>
    <message id="face.applications">
        <source></source>
        <translation>Applicazioni</translation>
    </message>
    <message id="face.description">
        <source></source>
        <translation>Descrizione</translation>
    </message>
    <message id="face.install">
        <source></source>
        <translation>Installa</translation>
    </message>
    <message id="face.explore">
        <source></source>
        <translation>Esplora</translation>
    </message>
    <message id="face.extra">
        <source></source>
        <translation>Altro</translation>
    </message>
    <message id="face.pictureButton">
        <source></source>
        <translation>Pulsante con immagine</translation>
    </message>
    <message id="face.appPicture">
        <source></source>
        <translation>Immagine dell&apos;applicazione scelta</translation>
    </message>
    <message id="face.logo">
        <source></source>
        <translation>Logo</translation>
    </message>
    <message id="designer.gridNotANumber">
        <source></source>
        <translation>La griglia deve essere un numero.</translation>
    </message>
    <message id="designer.valuesClamped">
        <source></source>
        <translation>Alcune posizioni o dimensioni erano fuori dai limiti del file (da -32768 a 32767) e sono state riportate entro i limiti.</translation>
    </message>
    <message id="designer.pictureNotLoaded">
        <source></source>
        <translation>Il file scelto non è un&apos;immagine: lo sfondo resta quello di prima.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The menu cannot start: there is no readable config.ini in the folder &quot;%1&quot; (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Check the disc in the folder instead of opening it: what would fail on the end user&apos;s machine. Exit status 0 clean, 1 warnings only, 3 errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report of --check: text or json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: the medium the disc must fit on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: also list the files that config.ini does not name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown report format &quot;%1&quot;: use text or json.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown medium &quot;%1&quot;: use cd or dvd.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>Shows the start-up menu of a disc, USB stick or folder: the programs, archives, documents and web links that its config.ini lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the menu&apos;s own texts: IT or EN. The environment variable MENU_LANG does the same. Without either, the disc&apos;s language, else the system&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the runtime the menu comes with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder that holds config.ini. Without it, the folder of the menu program itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;: use IT or EN.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give one folder only.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no config.ini beside the menu program, in &quot;%1&quot;.
Start the menu with the folder of a disc: menu FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no config.ini in the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
