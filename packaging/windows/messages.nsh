; The installer's and the uninstaller's own messages, in the languages of their pages. $OldVersion is the
; installed version, ${VERSION} this one's, $OldFolder the earlier install's folder.

LangString RunningCopy ${LANG_ENGLISH} "Quorvis is running. Close it, then choose Retry to go on, or Cancel to leave everything as it is."
LangString RunningCopy ${LANG_GERMAN} "Quorvis ist geöffnet. Schließen Sie das Programm und wählen Sie dann „Wiederholen“, um fortzufahren, oder „Abbrechen“, um nichts zu ändern."
LangString RunningCopy ${LANG_FRENCH} "Quorvis est ouvert. Fermez-le, puis choisissez Réessayer pour continuer, ou Annuler pour ne rien changer."
LangString RunningCopy ${LANG_SPANISH} "Quorvis está abierto. Ciérrelo y elija Reintentar para continuar, o Cancelar para no cambiar nada."
LangString RunningCopy ${LANG_PORTUGUESEBR} "O Quorvis está aberto. Feche-o e escolha Repetir para continuar, ou Cancelar para não alterar nada."
LangString RunningCopy ${LANG_ITALIAN} "Quorvis è aperto. Chiudilo, poi scegli Riprova per continuare, oppure Annulla per non modificare nulla."
LangString RunningCopy ${LANG_RUSSIAN} "Quorvis сейчас открыт. Закройте программу и нажмите «Повторить», чтобы продолжить, или «Отмена», чтобы ничего не менять."

LangString Downgrade ${LANG_ENGLISH} "A newer version of Quorvis ($OldVersion) is installed. Replace it with the older version ${VERSION}?"
LangString Downgrade ${LANG_GERMAN} "Eine neuere Version von Quorvis ($OldVersion) ist installiert. Soll sie durch die ältere Version ${VERSION} ersetzt werden?"
LangString Downgrade ${LANG_FRENCH} "Une version plus récente de Quorvis ($OldVersion) est installée. La remplacer par la version ${VERSION}, plus ancienne ?"
LangString Downgrade ${LANG_SPANISH} "Hay instalada una versión más reciente de Quorvis ($OldVersion). ¿Desea reemplazarla por la versión anterior ${VERSION}?"
LangString Downgrade ${LANG_PORTUGUESEBR} "Uma versão mais recente do Quorvis ($OldVersion) está instalada. Substituí-la pela versão anterior ${VERSION}?"
LangString Downgrade ${LANG_ITALIAN} "È installata una versione più recente di Quorvis ($OldVersion). Sostituirla con la versione precedente ${VERSION}?"
LangString Downgrade ${LANG_RUSSIAN} "Установлена более новая версия Quorvis ($OldVersion). Заменить её более старой версией ${VERSION}?"

LangString EarlierNotRemoved ${LANG_ENGLISH} "The installed version of Quorvis in $OldFolder could not be removed, so this version was not installed."
LangString EarlierNotRemoved ${LANG_GERMAN} "Die installierte Version von Quorvis in $OldFolder konnte nicht entfernt werden; diese Version wurde daher nicht installiert."
LangString EarlierNotRemoved ${LANG_FRENCH} "La version de Quorvis installée dans $OldFolder n'a pas pu être supprimée ; cette version n'a donc pas été installée."
LangString EarlierNotRemoved ${LANG_SPANISH} "No se pudo quitar la versión de Quorvis instalada en $OldFolder, así que esta versión no se ha instalado."
LangString EarlierNotRemoved ${LANG_PORTUGUESEBR} "Não foi possível remover a versão do Quorvis instalada em $OldFolder; por isso, esta versão não foi instalada."
LangString EarlierNotRemoved ${LANG_ITALIAN} "Non è stato possibile rimuovere la versione di Quorvis installata in $OldFolder, quindi questa versione non è stata installata."
LangString EarlierNotRemoved ${LANG_RUSSIAN} "Не удалось удалить версию Quorvis, установленную в $OldFolder, поэтому эта версия не установлена."
