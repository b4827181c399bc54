<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Digite seu nome!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Digite um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Digite um dia ou mês válido!</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Você vai adorar ser jovem a vida toda. Mas, com a idade, também vai respeitar a experiência que adquiriu ao longo da vida.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Você vai acreditar em nutrir e cuidar à moda antiga. Saber que sua família está comendo e dormindo bem vai importar muito para você. Você também fará questão de ter estabilidade financeira.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Você vai levar uma vida muito instável. Talvez se mude muitas vezes e, assim, se veja num lugar novo a cada poucos dias, meses ou anos. Você vai se dar bem com a tecnologia.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Você não vai conseguir ficar num só lugar. Vai passar por muitos lugares antes de encontrar um que possa chamar de lar.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Os outros podem achar você arrogante e prepotente. Você será como uma leoa mãe e vai exigir respeito. Você vai se sacrificar pela sua família.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Você se importa muito com os sentimentos dos outros. Você se expressa melhor por escrito do que falando.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Você vai acreditar em si e sempre confiar nas pessoas. Você estabelece ideais muito elevados e se esforça para ser fiel a eles. Você pode brigar com os outros, mas ao mesmo tempo precisa de um ambiente tranquilo e feliz.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Seu lar é seu esconderijo secreto, onde você vai se esconder do mundo. Você vai ansiar por privacidade.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Você não vai morar num só lugar. Você será uma pessoa religiosa.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Você nunca vai ser feliz com sua vida se ficar olhando só para os detalhes. Aprenda a aproveitar a vida e a ter momentos felizes com sua família. Talvez você tenha passado pela separação de um dos pais. Você será muito responsável.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Você vai fazer demais pela sua família. Mesmo que não esteja em condições físicas ou mentais de ajudar os outros, nunca vai desistir. Família não vai significar uma vida comum, mas algo diferente.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Você vai se sentir bem com pessoas gentis e carinhosas. Também vai planejar o futuro para que outros possam aproveitar os frutos do seu trabalho.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Talvez haja uma atualização disponível para este programa<byte value="xd"/>Deseja procurar atualizações?</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4h-6h</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2h-4h</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0h-2h</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22h-24h</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20h-22h</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18h-20h</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16h-18h</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14h-16h</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12h-14h</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10h-12h</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8h-10h</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6h-8h</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>O fórum de discussão on-line mais popular e o melhor recurso de astrologia e ocultismo da Internet. Visite %1 agora</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis significa o começo e o fim da vida de uma pessoa. O Imum Coeli ou Nadir é o ponto mais baixo do horóscopo. Ele revela mais sobre o que você deseja na vida pessoal, na família, nos filhos, no cuidar e no amar. É o que traz conforto à sua vida. Representa segurança e estabilidade.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre a página inicial do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre a página da oferta com a sua própria marca no seu navegador</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para mais detalhes</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Ícone do Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre a página da oferta de marca compartilhada no seu navegador</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa.  Aumente a fidelidade e as visitas ao seu site. Ponha aqui o nome &amp;  link do seu site. Veja “Ajuda” para mais detalhes.    Clique aqui para saber mais sobre marca compartilhada.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre a página da oferta com a sua própria marca no seu navegador</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Resultado do Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Signo do nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Seu nadir está em</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Imagem do signo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre a página inicial do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Encontrar meu &amp;nadir exato…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite-nos on-line</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre a página da oferta de marca compartilhada no seu navegador</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa.  Aumente a fidelidade e as visitas ao seu site. Ponha aqui o nome &amp;  link do seu site. Veja “Ajuda” para mais detalhes.    Clique aqui para saber mais sobre marca compartilhada.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre a página da oferta com a sua própria marca no seu navegador</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis significa o começo e o fim da vida de uma pessoa. O Imum Coeli ou Nadir é o ponto mais baixo do horóscopo. Ele revela mais sobre o que você deseja na vida pessoal, na família, nos filhos, no cuidar e no amar. Receba agora sua interpretação!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Digite seus dados corretamente e saiba mais sobre você </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Seus dados</translation>
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
        <translation>Data de nascimento:-</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Hora de nascimento:-</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre a página inicial do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Encontrar meu signo &amp;Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Encontrar meu &amp;nadir exato…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite-nos on-line</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation>Digite apenas letras!</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Ícone do Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Abre a página inicial do Pellmark no seu navegador</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Baixar programas Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se você gostou deste programa, certamente vai se interessar pelos nossos outros programas Pellmark. De um único programa, crescemos até nos tornar a maior fonte de programas Pellmark do mundo. Seja astrologia, vidência, tarô, numerologia ou ocultismo, temos programas em todas as áreas, oferecendo aos nossos usuários uma ampla escolha de acordo com seus interesses.                                                             Todos os programas Pellmark são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente hoje mesmo e compartilhe sua experiência com seus amigos e sua família. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Abre a página dos programas Pellmark no seu navegador</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Clique aqui para visitar os programas Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas Pellmark como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar o Pellmark é visitar o Pellmark regularmente e participar das discussões e de outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visite o Pellmark regularmente. Apoie o Pellmark participando das discussões e de outras atividades. Sem suas visitas regulares ao Pellmark, estes programas não podem ter suporte e manutenção</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>O Pellmark é um fórum de discussão on-line GRATUITO sobre astrologia, vidência, tarô, numerologia e ocultismo. Visite o Pellmark regularmente para nos ajudar a desenvolver e manter este programa.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>O Pellmark precisa da sua ajuda. Basta visitar o Pellmark regularmente e participar das várias discussões e atividades para nos ajudar a manter e desenvolver mais programas Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
</context>
</TS>
