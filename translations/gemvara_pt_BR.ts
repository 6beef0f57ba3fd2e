<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Catalogue</name>
    <message>
        <source>This is one of the most important numbers. Sometimes it is also called the Life Direction Number. This represents who you are at birth. It gives a broad outline of the various good and bad opportunities, struggles that you may have to face throughout your life.</source>
        <translation>Este é um dos números mais importantes, às vezes chamado também de número da direção de vida. Representa quem você é ao nascer e traça, em linhas gerais, as oportunidades, boas e ruins, e as dificuldades que você talvez precise enfrentar ao longo da vida.</translation>
    </message>
    <message>
        <source>This describes what may happen in your middle years. It also tells you about the various talents you possess.</source>
        <translation>Descreve o que pode acontecer na sua meia-idade. Também fala dos talentos que você tem.</translation>
    </message>
</context>
<context>
    <name>Gemstones</name>
    <message>
        <source>Yellow Topaz</source>
        <translation>Topázio amarelo</translation>
    </message>
    <message>
        <source>Golden Topaz</source>
        <translation>Topázio dourado</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubi</translation>
    </message>
    <message>
        <source>Cat’s Eye</source>
        <translation>Olho-de-gato</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>Light Blue Sapphire</source>
        <translation>Safira azul-clara</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Pedra-da-lua</translation>
    </message>
    <message>
        <source>Blue Sapphire</source>
        <translation>Safira azul</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Abre uma página da web no seu navegador</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar localização do &amp;link</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está aberto.</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome da pessoa indicada.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail da pessoa indicada.</translation>
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
        <translation>Nome da pessoa indicada</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail da pessoa indicada</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Pode haver uma atualização deste programa.<byte value="xd"/>Quer verificar agora?</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Digite seu sobrenome.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Escolha o dia em que você nasceu.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Escolha o mês em que você nasceu.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Escolha o ano em que você nasceu.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Essa data não existe! Corrija o dia ou o mês.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Essa data não existe! Corrija o dia ou o mês.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Trabalhe de casa: monte seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Clique para saber mais.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visite %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Gemvara Result</source>
        <translation>Sua leitura do Gemvara</translation>
    </message>
    <message>
        <source>Lifepath Number</source>
        <translation>Número do caminho de vida</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Birthday Number</source>
        <translation>Número do aniversário</translation>
    </message>
    <message>
        <source>Gemstone For You</source>
        <translation>Sua pedra</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>More About Gemstone</source>
        <translation>Mais sobre sua pedra</translation>
    </message>
    <message>
        <source>Gemstone Picture</source>
        <translation>Imagem da pedra</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Trabalhe de casa: monte seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa e ganhe fidelidade e visitas: o nome e o link dele aparecem aqui (detalhes em “Ajuda”). Clique para saber mais sobre a marca compartilhada.</translation>
    </message>
    <message>
        <source>Life path number %1</source>
        <translation>Número do caminho de vida %1</translation>
    </message>
    <message>
        <source>Birthday number %1</source>
        <translation>Número do aniversário %1</translation>
    </message>
    <message>
        <source>Gemstone: %1</source>
        <translation>Pedra: %1</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Abre uma página da web no seu navegador</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Now</source>
        <translation>Visite o site da Orvanta agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique o Gemvara a alguém</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Enviar indicação</translation>
    </message>
    <message>
        <source>Download Orvanta Softwares</source>
        <translation>Baixe os programas da Orvanta</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Softwares</source>
        <translation>Conheça o site da Orvanta</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Um endereço de e-mail não pode conter espaços.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa e ganhe fidelidade e visitas: o nome e o link dele aparecem aqui (detalhes em “Ajuda”). Clique para saber mais sobre a marca compartilhada.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Trabalhe de casa: monte seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Preencha os dados abaixo:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Month of Birth</source>
        <translation>Mês de nascimento</translation>
    </message>
    <message>
        <source>Day of Birth</source>
        <translation>Dia de nascimento</translation>
    </message>
    <message>
        <source>Year of Birth</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Get My Gemvara Reading</source>
        <translation>Ver minha leitura do Gemvara</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Gemstones have a positive influence on our lives. Know more about the gemstones that are suitable for you based on numerology!</source>
        <translation>As pedras preciosas influenciam nossa vida para melhor. Descubra pela numerologia quais delas combinam com você!</translation>
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
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações</translation>
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
        <translation>Ganhar dinheiro na &amp;internet</translation>
    </message>
</context>
</TS>
