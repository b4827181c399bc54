<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Bitte geben Sie Ihren Namen ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Sie werden Ihr ganzes Leben lang gern jung sein. Mit den Jahren werden Sie aber auch die Erfahrung schätzen, die Sie im Lauf Ihres Lebens gewonnen haben.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Sie werden an Versorgen und Umsorgen auf die altmodische Art glauben. Zu wissen, dass Ihre Familie gut isst und gut schläft, wird Ihnen viel bedeuten. Auch auf finanzielle Sicherheit werden Sie großen Wert legen.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Sie werden ein sehr unstetes Leben führen. Vielleicht ziehen Sie oft um und finden sich so alle paar Tage, Monate oder Jahre an einem neuen Ort wieder. Mit Technik werden Sie gut zurechtkommen.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Sie werden es nicht lange an einem Ort aushalten. Sie werden durch viele Orte ziehen, bevor Sie einen finden, den Sie Ihr Zuhause nennen können.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Andere halten Sie vielleicht für arrogant und herrisch. Sie werden wie eine Löwenmutter sein und Respekt erwarten. Für Ihre Familie werden Sie sich aufopfern.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Die Gefühle anderer Menschen liegen Ihnen sehr am Herzen. Schriftlich drücken Sie sich besser aus als mündlich.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Sie werden an sich glauben und Menschen immer vertrauen. Sie setzen sich sehr hohe Ideale und bemühen sich, ihnen treu zu bleiben. Sie können mit anderen streiten, brauchen aber zugleich eine friedliche und fröhliche Umgebung.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Ihr Zuhause ist Ihr geheimes Versteck, in dem Sie sich vor der Welt verbergen. Sie werden sich nach Ungestörtheit sehnen.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Sie werden nicht an einem Ort leben. Sie werden religiös sein.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Sie werden mit Ihrem Leben nie glücklich sein, wenn Sie immer nur auf Kleinigkeiten schauen. Lernen Sie, das Leben zu genießen und mit Ihrer Familie eine glückliche Zeit zu verbringen. Vielleicht haben Sie die Trennung von einem Elternteil erlebt. Sie werden sehr verantwortungsbewusst sein.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Für Ihre Familie werden Sie des Guten zu viel tun. Selbst wenn Sie körperlich oder seelisch nicht in der Lage sind, anderen zu helfen, werden Sie nie aufgeben. Familie wird für Sie kein gewöhnliches Leben bedeuten, sondern etwas anderes.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Bei sanften und liebevollen Menschen werden Sie sich wohlfühlen. Sie werden auch für die Zukunft planen, damit andere die Früchte Ihrer Arbeit genießen können.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Für diese Software gibt es vielleicht ein Update<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4-6 Uhr</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2-4 Uhr</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0-2 Uhr</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22-24 Uhr</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20-22 Uhr</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18-20 Uhr</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16-18 Uhr</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14-16 Uhr</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12-14 Uhr</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10-12 Uhr</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8-10 Uhr</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6-8 Uhr</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Das beliebteste Diskussionsforum und die beste Quelle für Astrologie und Okkultes im Internet. Besuchen Sie jetzt %1</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis steht für Anfang und Ende eines Menschenlebens. Das Imum Coeli oder der Nadir ist der tiefste Punkt des Horoskops. Er verrät Ihnen mehr darüber, was Sie sich im Leben wünschen: im Privatleben, in Familie und Kindern, im Umsorgen und Lieben. Er zeigt, was Ihnen im Leben Geborgenheit gibt. Er steht für Sicherheit und Beständigkeit.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Herstellers in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Öffnet die Seite zum Angebot mit Ihrer eigenen Marke in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für mehr Einzelheiten</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz mit der Marke Ihrer Website.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Quorvis-Symbol</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Öffnet die Seite zum Co-Branding-Angebot in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit dem Namen Ihrer Website.  Mehr Treue und mehr Besucher für Ihre Website. Name &amp;  Link Ihrer Website kommen hierher. Einzelheiten unter „Hilfe“.    Hier klicken für mehr über Co-Branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Öffnet die Seite zum Angebot mit Ihrer eigenen Marke in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz mit der Marke Ihrer Website. Hier klicken für mehr Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Quorvis-Ergebnis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Nadir-Zeichen</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Ihr Nadir steht im Zeichen</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Bild des Zeichens</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Herstellers in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Meinen genauen &amp;Nadir finden…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Öffnet die Seite zum Co-Branding-Angebot in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit dem Namen Ihrer Website.  Mehr Treue und mehr Besucher für Ihre Website. Name &amp;  Link Ihrer Website kommen hierher. Einzelheiten unter „Hilfe“.    Hier klicken für mehr über Co-Branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Öffnet die Seite zum Angebot mit Ihrer eigenen Marke in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz mit der Marke Ihrer Website. Hier klicken für mehr Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis steht für Anfang und Ende eines Menschenlebens. Das Imum Coeli oder der Nadir ist der tiefste Punkt des Horoskops. Er verrät Ihnen mehr darüber, was Sie sich im Leben wünschen: im Privatleben, in Familie und Kindern, im Umsorgen und Lieben. Holen Sie sich jetzt Ihre Deutung!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Geben Sie Ihre Daten richtig ein und erfahren Sie mehr über sich </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Name:-</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Geburtsdatum:-</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Geburtszeit:-</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Herstellers in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Mein &amp;Quorvis-Zeichen finden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Meinen genauen &amp;Nadir finden…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation>Bitte geben Sie nur Buchstaben ein!</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Quorvis-Symbol</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Öffnet die Startseite von Pellmark in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Pellmark-Software herunterladen</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sich sicher auch für unsere andere Pellmark-Software. Aus einem einzigen Programm ist die weltweit größte Sammlung von Pellmark-Software geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für jedes Gebiet, und unsere Nutzer haben je nach ihren Interessen eine große Auswahl.                                                             Alle Programme der Pellmark-Software sind einfach und leicht zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr aufschlussreich. Probieren Sie sie noch heute aus und erzählen Sie Ihren Freunden und Ihrer Familie davon. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Öffnet die Seite der Pellmark-Software in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Hier klicken für die Pellmark-Software</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Software von Pellmark wie diese kann nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie Pellmark, indem Sie Pellmark regelmäßig besuchen und sich an den Diskussionen und anderen Aktivitäten im Forum beteiligen.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Besuchen Sie Pellmark regelmäßig. Unterstützen Sie Pellmark, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche bei Pellmark kann diese Software nicht betreut und gepflegt werden</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark ist ein KOSTENLOSES Online-Diskussionsforum über Astrologie, Hellsehen, Tarot, Numerologie und Okkultes. Besuchen Sie Pellmark regelmäßig und helfen Sie uns so, diese Software weiterzuentwickeln und zu pflegen.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark braucht Ihre Hilfe. Sie müssen nur Pellmark regelmäßig besuchen und sich an den vielen Diskussionen und Aktivitäten beteiligen, damit wir weitere Pellmark-Software pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Hier klicken und %1 jetzt besuchen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
</context>
</TS>
