<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>Text Configuration</translation>
    </message>
    <message id="smith.Option3">
        <source></source>
        <translation>Icons</translation>
    </message>
    <message id="smith.Option4">
        <source></source>
        <translation>Database</translation>
    </message>
    <message id="smith.Option5">
        <source></source>
        <translation>Category set</translation>
    </message>
    <message id="smith.Command13">
        <source></source>
        <translation>Graphics</translation>
    </message>
    <message id="smith.Command25">
        <source></source>
        <translation>HELP</translation>
    </message>
    <message id="smith.Label28">
        <source></source>
        <translation>Tarsel Web Page</translation>
    </message>
    <message id="smith.Label15">
        <source></source>
        <translation>E-mail</translation>
    </message>
    <message id="smith.Command2">
        <source></source>
        <translation>New Project</translation>
    </message>
    <message id="smith.Command1">
        <source></source>
        <translation>Open Project</translation>
    </message>
    <message id="smith.Command10">
        <source></source>
        <translation>Save Project</translation>
    </message>
    <message id="smith.Command3">
        <source></source>
        <translation>Exit</translation>
    </message>
    <message id="smith.Command22">
        <source></source>
        <translation>Test menu.exe</translation>
    </message>
    <message id="smith.Frame5">
        <source></source>
        <translation>Location of config.ini</translation>
    </message>
    <message id="smith.Label26">
        <source></source>
        <translation>Open config.ini or create a new one but remember to save it.</translation>
    </message>
    <message id="smith.Frame22">
        <source></source>
        <translation>Encoding of config.ini</translation>
    </message>
    <message id="smith.Frame7">
        <source></source>
        <translation>Title</translation>
    </message>
    <message id="smith.Frame9">
        <source></source>
        <translation>Introduction</translation>
    </message>
    <message id="smith.Frame8">
        <source></source>
        <translation>Text in the about box</translation>
    </message>
    <message id="smith.Frame23">
        <source></source>
        <translation>Menu language</translation>
    </message>
    <message id="smith.txtLanguageAuto">
        <source></source>
        <translation>Automatic</translation>
    </message>
    <message id="smith.txtLanguageIT">
        <source></source>
        <translation>Italian</translation>
    </message>
    <message id="smith.txtLanguageEN">
        <source></source>
        <translation>English</translation>
    </message>
    <message id="smith.Label27">
        <source></source>
        <translation>Menu.exe must have the introduction text, the text in the about box, and the Title.</translation>
    </message>
    <message id="smith.Label25">
        <source></source>
        <translation>Select the graphic for the buttons and the default icon </translation>
    </message>
    <message id="smith.Label4">
        <source></source>
        <translation>Default Icon</translation>
    </message>
    <message id="smith.Label5">
        <source></source>
        <translation>Icon for Button 1</translation>
    </message>
    <message id="smith.Label12">
        <source></source>
        <translation>Icon for Button 1 pushed</translation>
    </message>
    <message id="smith.Label13">
        <source></source>
        <translation>Icon for Button 2</translation>
    </message>
    <message id="smith.Label14">
        <source></source>
        <translation>Icon for Button 2 pushed</translation>
    </message>
    <message id="smith.Frame10">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="smith.Command5">
        <source></source>
        <translation>Add</translation>
    </message>
    <message id="smith.Command4">
        <source></source>
        <translation>Modify</translation>
    </message>
    <message id="smith.Command6">
        <source></source>
        <translation>Delete</translation>
    </message>
    <message id="smith.Command7">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="smith.Command99">
        <source></source>
        <translation>CANCEL</translation>
    </message>
    <message id="smith.Frame13">
        <source></source>
        <translation>Description</translation>
    </message>
    <message id="smith.Label17">
        <source></source>
        <translation>Name</translation>
    </message>
    <message id="smith.Label18">
        <source></source>
        <translation>Description</translation>
    </message>
    <message id="smith.Label19">
        <source></source>
        <translation>Picture</translation>
    </message>
    <message id="smith.Frame14">
        <source></source>
        <translation>Button 1</translation>
    </message>
    <message id="smith.Label20">
        <source></source>
        <translation>Text</translation>
    </message>
    <message id="smith.Label23">
        <source></source>
        <translation>Text</translation>
    </message>
    <message id="smith.Label21">
        <source></source>
        <translation>Program</translation>
    </message>
    <message id="smith.Label24">
        <source></source>
        <translation>Program</translation>
    </message>
    <message id="smith.Label22">
        <source></source>
        <translation>Path</translation>
    </message>
    <message id="smith.Frame15">
        <source></source>
        <translation>Button 2</translation>
    </message>
    <message id="smith.Label30">
        <source></source>
        <translation>category</translation>
    </message>
    <message id="smith.Check1">
        <source></source>
        <translation>Use Categories</translation>
    </message>
    <message id="smith.Label29">
        <source></source>
        <translation>Add New Category</translation>
    </message>
    <message id="smith.Command28">
        <source></source>
        <translation>ADD</translation>
    </message>
    <message id="smith.Command29">
        <source></source>
        <translation>Remove</translation>
    </message>
    <message id="smith.Command30">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="smith.Command31">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="smith.file">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="smith.nuovo">
        <source></source>
        <translation>New Project</translation>
    </message>
    <message id="smith.load">
        <source></source>
        <translation>Open Project</translation>
    </message>
    <message id="smith.save">
        <source></source>
        <translation>Save</translation>
    </message>
    <message id="smith.testamenu2">
        <source></source>
        <translation>Test menu</translation>
    </message>
    <message id="smith.esci">
        <source></source>
        <translation>Exit</translation>
    </message>
    <message id="smith.Progetto">
        <source></source>
        <translation>Project</translation>
    </message>
    <message id="smith.file2">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="smith.Configurazionetesto">
        <source></source>
        <translation>Text config</translation>
    </message>
    <message id="smith.icone">
        <source></source>
        <translation>Icons</translation>
    </message>
    <message id="smith.categorie">
        <source></source>
        <translation>Category set</translation>
    </message>
    <message id="smith.database">
        <source></source>
        <translation>Database</translation>
    </message>
    <message id="smith.AspettoGrafico">
        <source></source>
        <translation>Graphics</translation>
    </message>
    <message id="smith.Help">
        <source></source>
        <translation>Help</translation>
    </message>
    <message id="smith.Readme">
        <source></source>
        <translation>Readme</translation>
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
        <translation>Suggestions</translation>
    </message>
    <message id="smith.WebPage">
        <source></source>
        <translation>Web Page</translation>
    </message>
    <message id="smith.Aggiornamenti">
        <source></source>
        <translation>Upgrade</translation>
    </message>
    <message id="smith.CheckDisc">
        <source></source>
        <translation>Check disc</translation>
    </message>
    <message id="smith.chkSeverity">
        <source></source>
        <translation>Severity</translation>
    </message>
    <message id="smith.chkApplication">
        <source></source>
        <translation>Application</translation>
    </message>
    <message id="smith.chkField">
        <source></source>
        <translation>Field</translation>
    </message>
    <message id="smith.chkReason">
        <source></source>
        <translation>Problem</translation>
    </message>
    <message id="smith.chkClose">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="smith.chk-error">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="smith.chk-warning">
        <source></source>
        <translation>Warning</translation>
    </message>
    <message id="smith.chk-info">
        <source></source>
        <translation>Note</translation>
    </message>
    <message id="smith.txtCheckSaveFirst">
        <source></source>
        <translation>The project has unsaved changes and the check reads the saved config.ini. Save first?</translation>
    </message>
    <message id="smith.PrepareDisc">
        <source></source>
        <translation>Prepare disc…</translation>
    </message>
    <message id="smith.pubSaveFirst">
        <source></source>
        <translation>The project has unsaved changes and the disc is made from the saved config.ini. Save first?</translation>
    </message>
    <message id="smith.pubChooseTarget">
        <source></source>
        <translation>Folder of the disc (config.ini is written there)</translation>
    </message>
    <message id="smith.pubNoConfig">
        <source></source>
        <translation>There is no config.ini in the folder &quot;%1&quot;.</translation>
    </message>
    <message id="smith.pubTargetOverlaps">
        <source></source>
        <translation>The disc folder &quot;%1&quot; can neither lie in the project nor hold it.</translation>
    </message>
    <message id="smith.pubNoRuntime">
        <source></source>
        <translation>The menu runtime was not found. Looked in: %1</translation>
    </message>
    <message id="smith.pubNoXorriso">
        <source></source>
        <translation>The ISO image needs xorriso, which is not installed (Debian package &quot;xorriso&quot;).</translation>
    </message>
    <message id="smith.pubIsoInside">
        <source></source>
        <translation>The image &quot;%1&quot; cannot lie in the disc folder.</translation>
    </message>
    <message id="smith.pubCheckErrors">
        <source></source>
        <translation>The disc check found errors: the disc was not prepared.</translation>
    </message>
    <message id="smith.pubCannotMake">
        <source></source>
        <translation>The folder &quot;%1&quot; cannot be made.</translation>
    </message>
    <message id="smith.pubOtherConfig">
        <source></source>
        <translation>&quot;%1&quot; already holds another config.ini. Replace it?</translation>
    </message>
    <message id="smith.pubForceHint">
        <source></source>
        <translation>With --force the disc is prepared anyway.</translation>
    </message>
    <message id="smith.pubCopyFailed">
        <source></source>
        <translation>Copy failed: %1</translation>
    </message>
    <message id="smith.pubCopyingProject">
        <source></source>
        <translation>Copying the project: %1%</translation>
    </message>
    <message id="smith.pubCopyingRuntime">
        <source></source>
        <translation>Copying the menu runtime: %1%</translation>
    </message>
    <message id="smith.pubWritingIso">
        <source></source>
        <translation>Writing the ISO image %1</translation>
    </message>
    <message id="smith.pubKept">
        <source></source>
        <translation>%1 is in the project already: the author&apos;s own stays.</translation>
    </message>
    <message id="smith.pubIsoFailed">
        <source></source>
        <translation>The ISO image failed: %1</translation>
    </message>
    <message id="smith.pubDone">
        <source></source>
        <translation>The disc is ready in &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtAttention">
        <source></source>
        <translation>Attention</translation>
    </message>
    <message id="smith.txtOpenOrCreate">
        <source></source>
        <translation>You must open or create the config.ini</translation>
    </message>
    <message id="smith.txtSelectConfig">
        <source></source>
        <translation>You must select the file confi.ini</translation>
    </message>
    <message id="smith.txtOverwrite">
        <source></source>
        <translation>Do you want to overvrite the configuration ?</translation>
    </message>
    <message id="smith.txtOverwriteTitle">
        <source></source>
        <translation>Overwrite</translation>
    </message>
    <message id="smith.txtConfigExists">
        <source></source>
        <translation>Config ini already exists in the selected path. Do you want to reset the file ? </translation>
    </message>
    <message id="smith.txtResetConfig">
        <source></source>
        <translation>Reset config.ini ?</translation>
    </message>
    <message id="smith.txtUnsavedTest">
        <source></source>
        <translation>If the project have not been saved, You can&apos;t see the last modifications</translation>
    </message>
    <message id="smith.txtOpenMenu">
        <source></source>
        <translation>Open menu.exe ?</translation>
    </message>
    <message id="smith.txtUnsavedExit">
        <source></source>
        <translation>If the project have not been saved, all the modifications will be lost. </translation>
    </message>
    <message id="smith.txtExit">
        <source></source>
        <translation>Exit ?</translation>
    </message>
    <message id="smith.txtOpenConfig">
        <source></source>
        <translation>Open a config.ini file</translation>
    </message>
    <message id="smith.txtSaveConfig">
        <source></source>
        <translation>Save a config.ini file</translation>
    </message>
    <message id="smith.txtSelectExecute">
        <source></source>
        <translation>Select a file to execute</translation>
    </message>
    <message id="smith.txtExtraExecute">
        <source></source>
        <translation>Extra button execute:</translation>
    </message>
    <message id="smith.txtSelectZip">
        <source></source>
        <translation>Select a zip file</translation>
    </message>
    <message id="smith.txtSelectImage">
        <source></source>
        <translation>Select an image</translation>
    </message>
    <message id="smith.txtSelectIcon">
        <source></source>
        <translation>Select an icon</translation>
    </message>
    <message id="smith.tipPicture">
        <source></source>
        <translation>Click here to open a picture</translation>
    </message>
    <message id="smith.tipZip">
        <source></source>
        <translation>Select a ZIP file</translation>
    </message>
    <message id="smith.tipInternet">
        <source></source>
        <translation>Select a web address (E-mail,Web,ftp..)</translation>
    </message>
    <message id="smith.tipProgram">
        <source></source>
        <translation>Select an Executable file (EXE,COM,BAT...)</translation>
    </message>
    <message id="smith.tipAnyFile">
        <source></source>
        <translation>Select any file (gif, wav, mid, doc, txt, jpg, *.* ...)</translation>
    </message>
    <message id="smith.txtCancelCaps">
        <source></source>
        <translation>CANCEL</translation>
    </message>
    <message id="smith.txtInternetHint">
        <source></source>
        <translation>To insert an electronic mail address or a page web to visit or files that are found on ftp</translation>
    </message>
    <message id="smith.txtWebAddress">
        <source></source>
        <translation>Web Address (http)</translation>
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
        <translation>Cancel</translation>
    </message>
    <message id="smith.txtDesignerHint">
        <source></source>
        <translation>Clicc on an object (Buttons, pictures, background) to select it; then use the arrows of modificator for stretch or move it.</translation>
    </message>
    <message id="smith.txtRestoreQuestion">
        <source></source>
        <translation>Restore the factory settings ?</translation>
    </message>
    <message id="smith.txtAttention2">
        <source></source>
        <translation>Attention </translation>
    </message>
    <message id="smith.txtRestoreTitle">
        <source></source>
        <translation>Restore factory settings</translation>
    </message>
    <message id="smith.txtPushButton1">
        <source></source>
        <translation>Push-button 1</translation>
    </message>
    <message id="smith.txtPushButton2">
        <source></source>
        <translation>Push-button 2</translation>
    </message>
    <message id="smith.txtPushButton3">
        <source></source>
        <translation>Push-button 3</translation>
    </message>
    <message id="smith.txtTextBox">
        <source></source>
        <translation>Text box</translation>
    </message>
    <message id="smith.txtDefaultImage">
        <source></source>
        <translation>Default image</translation>
    </message>
    <message id="smith.txtList">
        <source></source>
        <translation>List</translation>
    </message>
    <message id="smith.txtLogoImage">
        <source></source>
        <translation>Logo Image</translation>
    </message>
    <message id="smith.txtMainWindow">
        <source></source>
        <translation>Main window</translation>
    </message>
    <message id="smith.txtNone">
        <source></source>
        <translation>None</translation>
    </message>
    <message id="smith.txtUp">
        <source></source>
        <translation>UP</translation>
    </message>
    <message id="smith.txtDown">
        <source></source>
        <translation>DOWN</translation>
    </message>
    <message id="smith.txtGridSize">
        <source></source>
        <translation>Grid Size</translation>
    </message>
    <message id="smith.txtObjectSelected">
        <source></source>
        <translation>Object Selected</translation>
    </message>
    <message id="smith.txtSizePosition">
        <source></source>
        <translation>Size and Position</translation>
    </message>
    <message id="smith.txtOk">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="smith.txtBackgroundImage">
        <source></source>
        <translation>Background image</translation>
    </message>
    <message id="smith.txtFontColor">
        <source></source>
        <translation>Font color</translation>
    </message>
    <message id="smith.txtBackColor">
        <source></source>
        <translation>Back color</translation>
    </message>
    <message id="smith.txtBackgroundColors">
        <source></source>
        <translation>Background + Colors</translation>
    </message>
    <message id="smith.txtSelectBackground">
        <source></source>
        <translation>Scegli un&apos;immagine per il background</translation>
    </message>
    <message id="smith.txtReadFailed">
        <source></source>
        <translation>config.ini cannot be opened.</translation>
    </message>
    <message id="smith.txtWriteFailed">
        <source></source>
        <translation>config.ini was not saved.</translation>
    </message>
    <message id="smith.txtCreateFailed">
        <source></source>
        <translation>config.ini cannot be created.</translation>
    </message>
    <message id="smith.txtMenuMissing">
        <source></source>
        <translation>The menu program was not found.</translation>
    </message>
    <message id="smith.txtMenuNotStarted">
        <source></source>
        <translation>The menu program did not start.</translation>
    </message>
    <message id="smith.txtNotConfig">
        <source></source>
        <translation>The file &quot;%1&quot; holds no line of a config.ini: it may not be a config.ini at all. If you open it and then save, its content will be replaced. Open it anyway?</translation>
    </message>
    <message id="smith.txtProblemNotFound">
        <source></source>
        <translation>The file &quot;%1&quot; does not exist.</translation>
    </message>
    <message id="smith.txtProblemFolderNotFound">
        <source></source>
        <translation>The folder of &quot;%1&quot; does not exist.</translation>
    </message>
    <message id="smith.txtProblemIsFolder">
        <source></source>
        <translation>&quot;%1&quot; is a folder, not a file.</translation>
    </message>
    <message id="smith.txtProblemReadDenied">
        <source></source>
        <translation>You are not allowed to read &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtProblemWriteDenied">
        <source></source>
        <translation>&quot;%1&quot; is write-protected, and its folder does not allow replacing it.</translation>
    </message>
    <message id="smith.txtProblemFolderWriteDenied">
        <source></source>
        <translation>No file may be created in the folder of &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtProblemDiskFull">
        <source></source>
        <translation>The disk is full: &quot;%1&quot; was left as it was.</translation>
    </message>
    <message id="smith.txtProblemReadFailed">
        <source></source>
        <translation>The system could not read &quot;%1&quot;.</translation>
    </message>
    <message id="smith.txtProblemWriteFailed">
        <source></source>
        <translation>The system could not write &quot;%1&quot;: the file was left as it was.</translation>
    </message>
    <message id="smith.txtFieldGeneral">
        <source></source>
        <translation>The field %1</translation>
    </message>
    <message id="smith.txtFieldApp">
        <source></source>
        <translation>Field %1 of application %2</translation>
    </message>
    <message id="smith.txtFieldLayout">
        <source></source>
        <translation>The layout section</translation>
    </message>
    <message id="smith.txtValueUnencodable">
        <source></source>
        <translation>%1 holds the character &quot;%2&quot;, which config.ini cannot store.</translation>
    </message>
    <message id="smith.txtAskUtf8">
        <source></source>
        <translation>Save config.ini in UTF-8, which holds every character? Older menus show texts that are not in Windows-1252 garbled.</translation>
    </message>
    <message id="smith.txtValueLineBreak">
        <source></source>
        <translation>%1 holds a line break, which config.ini cannot store.</translation>
    </message>
    <message id="smith.filterAnyFile">
        <source></source>
        <translation>All files (*.htm, *.gif, *.avi, *.wav, *.*)|*.*</translation>
    </message>
    <message id="smith.filterProgram">
        <source></source>
        <translation>Executable files (*.exe)|*.exe|Zip Files (*.zip)|*.zip|All files (*.*)|*.*</translation>
    </message>
    <message id="smith.filterZip">
        <source></source>
        <translation>Files zip (*.zip)|*.zip|Files eseguibili (*.exe)|*.exe|All files (*.*)|*.*</translation>
    </message>
    <message id="smith.filterImage">
        <source></source>
        <translation>Bitmaps (*.bmp)|*.bmp|GIF (*.gif)|*.gif|Jpeg (*.jpg)|*.jpg|Metafiles (*.wmf,*.emf)|*.wmf;*.emf|Icons (*.ico,*.cur)|*.ico;*.cur|All files (*.*)|*.*</translation>
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
        <translation>Move up</translation>
    </message>
    <message id="smith.tipMoveDown">
        <source></source>
        <translation>Move down</translation>
    </message>
    <message id="check.missing-file">
        <source></source>
        <translation>%1 is not on the disc</translation>
    </message>
    <message id="check.case-only-match">
        <source></source>
        <translation>%1 exists only as %2: it works here, it fails on a case-sensitive copy</translation>
    </message>
    <message id="check.zip-unreadable">
        <source></source>
        <translation>%1 is not a readable zip archive</translation>
    </message>
    <message id="check.zip-unsafe-member">
        <source></source>
        <translation>%1: the member &quot;%2&quot; would be refused when unzipped (%3)</translation>
    </message>
    <message id="check.picture-unreadable">
        <source></source>
        <translation>%1 exists but does not load as a picture</translation>
    </message>
    <message id="check.unknown-category">
        <source></source>
        <translation>its category &quot;%1&quot; is not one of the categories: the menu never shows it</translation>
    </message>
    <message id="check.uncategorised">
        <source></source>
        <translation>it has no category yet (n/a): while categories are on the menu does not list it</translation>
    </message>
    <message id="check.no-categories">
        <source></source>
        <translation>categories are on but none is listed: the menu shows no application</translation>
    </message>
    <message id="check.control-outside-window">
        <source></source>
        <translation>%1 lies wholly outside the window</translation>
    </message>
    <message id="check.window-too-small">
        <source></source>
        <translation>the window (%1 × %2) is smaller than its menu bar</translation>
    </message>
    <message id="check.unencodable-value">
        <source></source>
        <translation>the value holds a character that config.ini cannot store: %1</translation>
    </message>
    <message id="check.utf8-value">
        <source></source>
        <translation>the value is written in UTF-8: the menu would show &quot;%1&quot; (config.ini is Windows-1252)</translation>
    </message>
    <message id="check.windows-only">
        <source></source>
        <translation>%1 only runs on Windows: a disc for both systems needs a Linux command too</translation>
    </message>
    <message id="check.linux-only">
        <source></source>
        <translation>%1 only runs on Linux, and only while it keeps its execute bit (FAT and ISO 9660 without Rock Ridge do not keep it): a disc for both systems needs a Windows command too</translation>
    </message>
    <message id="check.no-shebang">
        <source></source>
        <translation>%1 is a script without a #! line: it does not start</translation>
    </message>
    <message id="check.exec-bit">
        <source></source>
        <translation>%1 needs its execute bit, which this copy lacks and media such as FAT or ISO 9660 do not keep</translation>
    </message>
    <message id="check.window-too-large">
        <source></source>
        <translation>the window (%1 × %2) is larger than 1024 × 768: small laptop screens and projectors cut it</translation>
    </message>
    <message id="check.controls-overlap">
        <source></source>
        <translation>%1 and %2 overlap</translation>
    </message>
    <message id="check.duplicate-name">
        <source></source>
        <translation>it has the same name as application %1</translation>
    </message>
    <message id="check.empty-name">
        <source></source>
        <translation>the application has no name</translation>
    </message>
    <message id="check.long-description">
        <source></source>
        <translation>the description (%1 characters) is longer than the text panel shows (about %2)</translation>
    </message>
    <message id="check.look-alike-tag">
        <source></source>
        <translation>&quot;%1&quot; looks like a tag but is none: the menu ignores the line</translation>
    </message>
    <message id="check.unnamed-file">
        <source></source>
        <translation>nothing names %1</translation>
    </message>
    <message id="check.disc-too-large">
        <source></source>
        <translation>the disc holds %1 MB, more than a %2 (%3 MB)</translation>
    </message>
    <message id="check.label-error">
        <source></source>
        <translation>ERROR</translation>
    </message>
    <message id="check.label-warning">
        <source></source>
        <translation>WARNING</translation>
    </message>
    <message id="check.label-info">
        <source></source>
        <translation>INFO</translation>
    </message>
    <message id="check.label-app">
        <source></source>
        <translation>application %1 &quot;%2&quot;</translation>
    </message>
    <message id="check.summary">
        <source></source>
        <translation>%1 errors, %2 warnings, %3 notes</translation>
    </message>
    <message id="check.clean">
        <source></source>
        <translation>No problems: the disc is ready.</translation>
    </message>
    <message id="check.unreadable-config">
        <source></source>
        <translation>config.ini cannot be read: %1</translation>
    </message>
    <message id="menu.explore">
        <source></source>
        <translation>Explore</translation>
    </message>
    <message id="menu.aboutCredit">
        <source></source>
        <translation>This application has been made with Tarsel Freeware. For further information please e-mail the author or visit the web page</translation>
    </message>
    <message id="menu.notFound">
        <source></source>
        <translation>&quot;%1&quot; cannot be opened: it does not exist.</translation>
    </message>
    <message id="menu.windowsProgram">
        <source></source>
        <translation>&quot;%1&quot; is a Windows program: it cannot be started on this system.</translation>
    </message>
    <message id="menu.notAProgram">
        <source></source>
        <translation>&quot;%1&quot; cannot be started: it is not a program this system can run.</translation>
    </message>
    <message id="menu.noApplication">
        <source></source>
        <translation>&quot;%1&quot; cannot be opened: no application is set to open it.</translation>
    </message>
    <message id="menu.cannotStart">
        <source></source>
        <translation>&quot;%1&quot; cannot be started: the system refused to start it.</translation>
    </message>
    <message id="unzip.locationCaption">
        <source></source>
        <translation>Location of zip file</translation>
    </message>
    <message id="unzip.extractionCaption">
        <source></source>
        <translation>Extraction path</translation>
    </message>
    <message id="unzip.replacePromptBefore">
        <source></source>
        <translation>Overwrite</translation>
    </message>
    <message id="unzip.replacePromptTitle">
        <source></source>
        <translation>VBUnZip32 - File Already Exists!</translation>
    </message>
    <message id="unzip.errorBefore">
        <source></source>
        <translation>Error: </translation>
    </message>
    <message id="unzip.errorAfter">
        <source></source>
        <translation> Click OK to continue.</translation>
    </message>
    <message id="unzip.commentLabel">
        <source></source>
        <translation>Comment         : </translation>
    </message>
    <message id="unzip.compressedSizeLabel">
        <source></source>
        <translation>Total Size Comp : </translation>
    </message>
    <message id="unzip.uncompressedSizeLabel">
        <source></source>
        <translation>Total Size      : </translation>
    </message>
    <message id="unzip.compressionFactorLabel">
        <source></source>
        <translation>Compress Factor : %</translation>
    </message>
    <message id="unzip.memberCountLabel">
        <source></source>
        <translation>Num Of Members  : </translation>
    </message>
    <message id="unzip.stopCaption">
        <source></source>
        <translation>Stop</translation>
    </message>
    <message id="unzip.stopQuestion">
        <source></source>
        <translation>Stop the extraction? The file being written is removed; the files already written stay.</translation>
    </message>
    <message id="unzip.stoppedLine">
        <source></source>
        <translation>Extraction stopped. Files written: %1</translation>
    </message>
    <message id="unzip.result1">
        <source></source>
        <translation>Some files could not be extracted.</translation>
    </message>
    <message id="unzip.result2">
        <source></source>
        <translation>Some files were refused: they would have landed outside the folder, or were links.</translation>
    </message>
    <message id="unzip.result3">
        <source></source>
        <translation>The file is not a zip archive.</translation>
    </message>
    <message id="unzip.result4">
        <source></source>
        <translation>The archive cannot be found or opened.</translation>
    </message>
    <message id="unzip.result5">
        <source></source>
        <translation>Not enough free space on the disk.</translation>
    </message>
    <message id="unzip.result6">
        <source></source>
        <translation>The extraction could not start.</translation>
    </message>
    <message id="unzip.result7">
        <source></source>
        <translation>The extraction was stopped.</translation>
    </message>
    <message id="unzip.result8">
        <source></source>
        <translation>No file matches.</translation>
    </message>
    <message id="unzip.result9">
        <source></source>
        <translation>Archive refused: several entries share the same data (zip bomb). Nothing was written.</translation>
    </message>
    <message id="unzip.result10">
        <source></source>
        <translation>The archive is damaged: the readable files were extracted, the damaged ones left out.</translation>
    </message>
    <message id="unzip.messagesName">
        <source></source>
        <translation>Messages</translation>
    </message>
    <message id="face.categories">
        <source></source>
        <translation>Category</translation>
    </message>
    <message id="face.applications">
        <source></source>
        <translation>Applications</translation>
    </message>
    <message id="face.description">
        <source></source>
        <translation>Description</translation>
    </message>
    <message id="face.install">
        <source></source>
        <translation>Install</translation>
    </message>
    <message id="face.explore">
        <source></source>
        <translation>Explore</translation>
    </message>
    <message id="face.extra">
        <source></source>
        <translation>More</translation>
    </message>
    <message id="face.pictureButton">
        <source></source>
        <translation>Button with a picture</translation>
    </message>
    <message id="face.appPicture">
        <source></source>
        <translation>Picture of the chosen application</translation>
    </message>
    <message id="face.logo">
        <source></source>
        <translation>Logo</translation>
    </message>
    <message id="designer.gridNotANumber">
        <source></source>
        <translation>The grid size must be a number.</translation>
    </message>
    <message id="designer.valuesClamped">
        <source></source>
        <translation>Some positions or sizes were outside the range the file can hold (-32768 to 32767) and have been brought within it.</translation>
    </message>
    <message id="designer.pictureNotLoaded">
        <source></source>
        <translation>The chosen file is not a picture: the background stays as it was.</translation>
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
