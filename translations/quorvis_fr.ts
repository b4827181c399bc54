<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Veuillez saisir votre nom !</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois valide !</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois valide !</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Toute votre vie, vous aimerez être jeune. Mais avec l&apos;âge, vous respecterez aussi l&apos;expérience que la vie vous aura apportée.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Vous croirez en une façon traditionnelle de nourrir et de prendre soin des autres. Savoir que votre famille mange et dort bien comptera beaucoup pour vous. Vous mettrez aussi un point d&apos;honneur à être financièrement stable.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Vous mènerez une vie très instable. Vous déménagerez peut-être souvent, et vous vous retrouverez ainsi dans un nouvel endroit au bout de quelques jours, de quelques mois ou de quelques années. Vous serez à l&apos;aise avec la technologie.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Vous ne pourrez pas rester au même endroit. Vous passerez par bien des lieux avant de trouver celui que vous pourrez appeler votre foyer.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Certains jugeront peut-être votre attitude arrogante et autoritaire. Vous serez comme la lionne qui protège ses petits et vous exigerez le respect. Vous vous sacrifierez pour votre famille.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Les sentiments des autres comptent beaucoup pour vous. Vous vous exprimez mieux à l&apos;écrit qu&apos;à l&apos;oral.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Vous croirez en vous et ferez toujours confiance aux autres. Vous vous fixez des idéaux très élevés et vous efforcez d&apos;y rester fidèle. Vous savez vous battre, mais vous avez en même temps besoin d&apos;une atmosphère paisible et joyeuse.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Votre foyer est votre cachette secrète, où vous vous abritez du monde. Vous aurez soif d&apos;intimité.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Vous ne vivrez pas toujours au même endroit. Vous aurez une âme religieuse.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Votre vie ne vous comblera jamais si vous vous arrêtez aux moindres détails. Apprenez à profiter de la vie et à passer de bons moments en famille. Vous avez peut-être connu la séparation d&apos;avec l&apos;un de vos parents. Vous aurez un grand sens des responsabilités.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Vous en ferez trop pour votre famille. Même quand vous ne serez pas en état, physiquement ou moralement, d&apos;aider les autres, vous n&apos;abandonnerez jamais. Pour vous, la famille ne signifiera pas une vie ordinaire, mais quelque chose de différent.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Vous serez à l&apos;aise avec les personnes douces et aimantes. Vous préparerez aussi l&apos;avenir pour que d&apos;autres puissent profiter des fruits de votre travail.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà lancée</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour ?</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4 h-6 h</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2 h-4 h</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0 h-2 h</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22 h-24 h</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20 h-22 h</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18 h-20 h</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16 h-18 h</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14 h-16 h</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12 h-14 h</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10 h-12 h</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8 h-10 h</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6 h-8 h</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Le forum de discussion le plus populaire et la meilleure ressource d&apos;Internet sur l&apos;astrologie et l&apos;occultisme. Visitez %1 dès maintenant</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis représente le début et la fin de la vie d&apos;une personne. L&apos;Imum Coeli, ou Nadir, est le point le plus bas de l&apos;horoscope. Il vous en dit plus sur ce que vous désirez dans la vie : votre vie personnelle, votre famille, vos enfants, votre façon de prendre soin des autres et d&apos;aimer. C&apos;est ce qui vous apporte le bien-être dans la vie. Il symbolise la sécurité et la stabilité.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Ouvre la page d&apos;accueil de l&apos;éditeur dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Ouvre la page de l&apos;offre à votre marque dans votre navigateur web</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site web.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Icône de Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Ouvre la page de l&apos;offre de co-marquage dans votre navigateur web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel.  Fidélisez vos visiteurs et augmentez votre trafic. Le nom &amp;  le lien de votre site ici. Détails dans « Aide ».    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Ouvre la page de l&apos;offre à votre marque dans votre navigateur web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Résultat Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Signe du Nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Votre Nadir est en</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Image du signe</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Ouvre la page d&apos;accueil de l&apos;éditeur dans votre navigateur web</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trouver mon &amp;Nadir exact…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Revenus en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Ouvre la page de l&apos;offre de co-marquage dans votre navigateur web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel.  Fidélisez vos visiteurs et augmentez votre trafic. Le nom &amp;  le lien de votre site ici. Détails dans « Aide ».    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Ouvre la page de l&apos;offre à votre marque dans votre navigateur web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis représente le début et la fin de la vie d&apos;une personne. L&apos;Imum Coeli, ou Nadir, est le point le plus bas de l&apos;horoscope. Il vous en dit plus sur ce que vous désirez dans la vie : votre vie personnelle, votre famille, vos enfants, votre façon de prendre soin des autres et d&apos;aimer. Découvrez votre interprétation dès maintenant !</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Saisissez vos données exactes et apprenez-en plus sur vous </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Vos informations</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nom :-</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Date de naissance :-</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Heure de naissance :-</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Ouvre la page d&apos;accueil de l&apos;éditeur dans votre navigateur web</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>&amp;Trouver mon signe Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trouver mon &amp;Nadir exact…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Revenus en &amp;ligne</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation>Veuillez saisir uniquement des lettres !</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Icône de Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Ouvre la page d&apos;accueil de Pellmark dans votre navigateur web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Télécharger les logiciels Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si vous avez aimé ce logiciel, nos autres logiciels Pellmark vous intéresseront sûrement. Partis d&apos;un seul logiciel, nous sommes devenus la plus grande source de logiciels Pellmark au monde. Astrologie, voyance, tarot, numérologie ou occultisme : nous avons des programmes dans tous les domaines, pour offrir à nos utilisateurs un large choix selon leurs centres d&apos;intérêt.                                                             Tous les programmes de la suite Pellmark sont simples et faciles à utiliser. Ils sont non seulement amusants, mais aussi très instructifs. Essayez-les dès aujourd&apos;hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Ouvre la page des logiciels Pellmark dans votre navigateur web</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Cliquez ici pour découvrir les logiciels Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les logiciels Pellmark comme celui-ci ne peuvent être créés et maintenus qu&apos;avec votre soutien. La meilleure façon de soutenir Pellmark est de visiter Pellmark régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visitez Pellmark régulièrement. Soutenez Pellmark en participant aux discussions et aux autres activités. Ces logiciels ne peuvent être suivis et maintenus sans vos visites régulières sur Pellmark</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark est un forum de discussion en ligne GRATUIT sur l&apos;astrologie, la voyance, le tarot, la numérologie et l&apos;occultisme. Visitez Pellmark régulièrement pour nous aider à développer et à maintenir ce logiciel.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark a besoin de votre aide. Il vous suffit de visiter Pellmark régulièrement et de participer aux diverses discussions et activités pour nous aider à maintenir et à développer d&apos;autres logiciels Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l&apos;ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l&apos;ami</translation>
    </message>
</context>
</TS>
