<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Inserisci il tuo nome!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci un giorno o un mese valido!</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Amerai essere giovane per tutta la vita. Ma con gli anni rispetterai anche l&apos;esperienza che la vita ti avrà donato.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Crederai in un modo tradizionale di nutrire e di prenderti cura degli altri. Sapere che la tua famiglia mangia e dorme bene conterà molto per te. Farai anche in modo di avere una stabilità economica.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Condurrai una vita molto instabile. Potresti traslocare spesso e ritrovarti così in un posto nuovo dopo pochi giorni, mesi o anni. Ti troverai a tuo agio con la tecnologia.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Non riuscirai a restare in un solo posto. Vagherai per molti luoghi prima di trovarne uno che tu possa chiamare casa.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Gli altri potrebbero trovarti arrogante e prepotente. Sarai come una leonessa con i suoi cuccioli e pretenderai rispetto. Ti sacrificherai per la tua famiglia.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Tieni molto ai sentimenti degli altri. Ti esprimi meglio per iscritto che a voce.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Crederai in te e ti fiderai sempre delle persone. Ti poni ideali molto alti e ti sforzi di restarvi fedele. Sai scontrarti con gli altri, ma allo stesso tempo hai bisogno di un&apos;atmosfera serena e felice.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>La tua casa è il tuo nascondiglio segreto, dove ti ripari dal mondo. Avrai un gran bisogno di riservatezza.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Non vivrai in un solo luogo. Sarai una persona religiosa.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Non sarai mai felice della tua vita se continuerai a badare alle piccolezze. Impara a goderti la vita e a passare momenti felici con la tua famiglia. Potresti aver vissuto la separazione da uno dei genitori. Avrai un forte senso di responsabilità.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Farai più del necessario per la tua famiglia. Anche quando non sarai in condizione, fisicamente o mentalmente, di aiutare gli altri, non ti arrenderai mai. Per te la famiglia non significherà una vita normale, ma qualcosa di diverso.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Ti troverai a tuo agio con le persone dolci e affettuose. Farai anche progetti per il futuro, perché altri possano godere dei frutti del tuo lavoro.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;applicazione è già in esecuzione</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software<byte value="xd"/>Vuoi cercare un aggiornamento?</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>ore 4-6</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>ore 2-4</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>ore 0-2</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>ore 22-24</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>ore 20-22</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>ore 18-20</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>ore 16-18</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>ore 14-16</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>ore 12-14</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>ore 10-12</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>ore 8-10</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>ore 6-8</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Il forum di discussione online più popolare e la migliore risorsa su astrologia e occulto in Internet. Visita subito %1</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis rappresenta l&apos;inizio e la fine della vita di una persona. L&apos;Imum Coeli, o Nadir, è il punto più basso dell&apos;oroscopo. Ti rivela di più su ciò che desideri nella vita privata, nella famiglia, nei figli, nel prenderti cura degli altri e nell&apos;amare. È ciò che ti fa sentire a tuo agio nella vita. Rappresenta sicurezza e stabilità.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Apre la home page del produttore nel browser web</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Apre la pagina dell&apos;offerta con il tuo marchio nel browser web</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Fai clic qui per maggiori dettagli</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente con il marchio del tuo sito web.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Icona di Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic qui per visitare %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Apre la pagina dell&apos;offerta di co-branding nel browser web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Metti il marchio del tuo sito su questo software.  Più fedeltà e più traffico per il tuo sito. Qui il nome &amp;  il link del tuo sito. Dettagli in «Aiuto».    Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Apre la pagina dell&apos;offerta con il tuo marchio nel browser web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente con il marchio del tuo sito web. Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Risultato Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Segno del Nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Il tuo Nadir è in</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Immagine del segno</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Apre la home page del produttore nel browser web</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trova il mio &amp;Nadir esatto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Apre la pagina dell&apos;offerta di co-branding nel browser web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Metti il marchio del tuo sito su questo software.  Più fedeltà e più traffico per il tuo sito. Qui il nome &amp;  il link del tuo sito. Dettagli in «Aiuto».    Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Apre la pagina dell&apos;offerta con il tuo marchio nel browser web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente con il marchio del tuo sito web. Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis rappresenta l&apos;inizio e la fine della vita di una persona. L&apos;Imum Coeli, o Nadir, è il punto più basso dell&apos;oroscopo. Ti rivela di più su ciò che desideri nella vita privata, nella famiglia, nei figli, nel prenderti cura degli altri e nell&apos;amare. Scopri subito la tua interpretazione!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Inserisci i tuoi dati corretti e scopri di più su di te </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>I tuoi dati</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nome:-</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Data di nascita:-</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Ora di nascita:-</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Apre la home page del produttore nel browser web</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Trova il mio segno &amp;Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trova il mio &amp;Nadir esatto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation>Inserisci solo lettere!</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Icona di Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Apre la home page di Pellmark nel browser web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consiglia ora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Email dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Scarica i software Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se questo software ti è piaciuto, gli altri software Pellmark ti interesseranno di sicuro. Da un solo software siamo diventati la più grande raccolta di software Pellmark al mondo. Astrologia, chiaroveggenza, tarocchi, numerologia o occulto: abbiamo programmi in ogni campo, per offrire ai nostri utenti un&apos;ampia scelta in base ai loro interessi.                                                             Tutti i programmi della suite Pellmark sono semplici e facili da usare. Non solo sono divertenti, ma anche molto istruttivi. Provali oggi stesso e condividi la tua esperienza con amici e familiari. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Apre la pagina dei software Pellmark nel browser web</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Fai clic qui per scoprire i software Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>I software Pellmark come questo possono essere creati e mantenuti solo con il tuo sostegno. Il modo migliore per sostenere Pellmark è visitare Pellmark regolarmente e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visita Pellmark regolarmente. Sostieni Pellmark partecipando alle discussioni e alle altre attività. Senza le tue visite regolari a Pellmark, questi software non possono essere supportati e mantenuti</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark è un forum di discussione online GRATUITO su astrologia, chiaroveggenza, tarocchi, numerologia e occulto. Visita Pellmark regolarmente per aiutarci a sviluppare e mantenere questo software.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark ha bisogno del tuo aiuto. Ti basta visitare Pellmark regolarmente e partecipare alle varie discussioni e attività per aiutarci a mantenere e sviluppare altri software Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visita subito %1</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;indirizzo email non può contenere spazi</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci la tua email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l&apos;email del tuo amico</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell&apos;amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Email dell&apos;amico</translation>
    </message>
</context>
</TS>
