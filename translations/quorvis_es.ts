<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>¡Introduzca su nombre!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Introduzca un día o mes válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Introduzca un día o mes válido!</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Le encantará ser joven toda la vida. Pero con los años también respetará la experiencia que haya ido adquiriendo a lo largo de su vida.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Creerá en alimentar y cuidar a la antigua usanza. Saber que su familia come y duerme bien será muy importante para usted. También se propondrá tener estabilidad económica.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Llevará una vida muy inestable. Puede que se mude a menudo y así se encuentre en un lugar nuevo cada pocos días, meses o años. Se sentirá a gusto con la tecnología.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>No podrá quedarse en un solo lugar. Recorrerá muchos lugares antes de encontrar uno al que pueda llamar hogar.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Puede que a los demás les parezca arrogante y dominante. Será como una leona madre y esperará respeto. Se sacrificará por su familia.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Le importan mucho los sentimientos de los demás. Se expresa mejor por escrito que de palabra.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Creerá en su propio valor y siempre confiará en la gente. Se marca ideales muy elevados y se esfuerza por serles fiel. Puede enfrentarse a los demás, pero al mismo tiempo necesita un ambiente tranquilo y feliz.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Su hogar es su escondite secreto, donde se ocultará del mundo. Anhelará la intimidad.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>No vivirá en un solo lugar. Será una persona religiosa.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Nunca será feliz con su vida si sigue fijándose en los pequeños detalles. Aprenda a disfrutar y a pasar buenos momentos con su familia. Puede que haya vivido la separación de uno de sus padres. Será muy responsable.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Hará demasiado por su familia. Aunque no esté en condiciones físicas o mentales de ayudar a los demás, nunca se rendirá. La familia no significará para usted una vida normal, sino algo diferente.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Se sentirá a gusto con personas dulces y cariñosas. También hará planes para el futuro, para que otros puedan disfrutar de los frutos de su trabajo.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa<byte value="xd"/>¿Desea buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4-6 h</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2-4 h</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0-2 h</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22-24 h</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20-22 h</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18-20 h</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16-18 h</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14-16 h</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12-14 h</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10-12 h</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8-10 h</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6-8 h</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>El foro de debate en línea más popular y el mejor recurso de astrología y ocultismo de Internet. Visite %1 ahora</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis simboliza el principio y el fin de la vida de una persona. El Imum Coeli o Nadir es el punto más bajo del horóscopo. Le revela más sobre lo que desea en la vida en relación con su vida personal, su familia, sus hijos, el cuidado y el amor. Es lo que le hace sentirse a gusto en la vida. Representa la seguridad y la estabilidad.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre la página principal del fabricante en su navegador web</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre la página de la oferta con su propia marca en su navegador web</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haga clic aquí para más detalles</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Icono de Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre la página de la oferta de marca compartida en su navegador web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga el nombre de su sitio en este programa.  Aumente la fidelidad y las visitas a su sitio. Aquí van el nombre &amp;  enlace de su sitio. Consulte «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre la página de la oferta con su propia marca en su navegador web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Resultado de Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Signo del nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Su nadir está en</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Imagen del signo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre la página principal del fabricante en su navegador web</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Buscar mi &amp;nadir exacto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre la página de la oferta de marca compartida en su navegador web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga el nombre de su sitio en este programa.  Aumente la fidelidad y las visitas a su sitio. Aquí van el nombre &amp;  enlace de su sitio. Consulte «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre la página de la oferta con su propia marca en su navegador web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis simboliza el principio y el fin de la vida de una persona. El Imum Coeli o Nadir es el punto más bajo del horóscopo. Le revela más sobre lo que desea en la vida en relación con su vida personal, su familia, sus hijos, el cuidado y el amor. ¡Obtenga ahora su interpretación!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Introduzca sus datos correctamente y descubra más sobre usted </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nombre:-</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Fecha de nacimiento:-</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Hora de nacimiento:-</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre la página principal del fabricante en su navegador web</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Buscar mi signo &amp;Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Buscar mi &amp;nadir exacto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation>¡Introduzca solo letras!</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Icono de Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Abre la página principal de Pellmark en su navegador web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Descargar programas de Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si le ha gustado este programa, seguro que le interesarán nuestros otros programas de Pellmark. De un solo programa hemos pasado a ser la mayor colección de programas de Pellmark del mundo. Ya sea astrología, videncia, tarot, numerología u ocultismo, tenemos programas en todos los campos, lo que ofrece a nuestros usuarios una amplia variedad según sus intereses.                                                             Todos los programas de Pellmark son sencillos y fáciles de usar. No solo son divertidos, sino también muy instructivos. Pruébelos hoy mismo y comparta su experiencia con sus amigos y su familia. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Abre la página de los programas de Pellmark en su navegador web</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Haga clic aquí para ver los programas de Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Los programas de Pellmark como este solo pueden crearse y mantenerse con su apoyo. La mejor forma de apoyar a Pellmark es visitar Pellmark con regularidad y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visite Pellmark con regularidad. Apoye a Pellmark participando en los debates y demás actividades. Sin sus visitas regulares a Pellmark, estos programas no pueden mantenerse ni recibir soporte</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark es un foro de debate en línea GRATUITO sobre astrología, videncia, tarot, numerología y ocultismo. Visite Pellmark con regularidad para ayudarnos a desarrollar y mantener este programa.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark necesita su ayuda. Solo tiene que visitar Pellmark con regularidad y participar en los distintos debates y actividades para ayudarnos a mantener y desarrollar más programas de Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haga clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduzca dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduzca una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduzca el correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
</context>
</TS>
